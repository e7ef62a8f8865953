// Speech output: every word the player hears leaves through these, and every line is logged.
#pragma once

#include <string>

#include "frontend/form.h"

namespace dravlen {

void say(Form& f, const std::string& text);   // speak and wait until heard; then log the line
void say2(Form& f, const std::string& text);  // queue and return at once; log the line
void saydoll(Form& f, double amount);         // speak a dollar amount ("2,500 dollors, and,  75 cents")
std::string dollarText(double amount);        // the text saydoll speaks
void stopspeech(Form& f);                     // silence the voice and discard what is queued
void writeTranscriptLine(Form& f, const std::string& line);  // one line to dravlog.txt (CRLF, flushed)
// Opens the transcript emptied; when another copy of the game holds it, the copy's own file
// beside it ("dravlog2.txt" for "dravlog.txt"). Returns the file opened, empty when none could be.
std::string openTranscript(Form& f, const std::string& path);
void closeTranscript(Form& f);

}  // namespace dravlen
