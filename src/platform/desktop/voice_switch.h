// One voice list over two engines: the embedded voices first, then the player's speech-dispatcher's.
#pragma once

#include <memory>

#include "platform/desktop/audio.h"
#include "platform/desktop/speechd_engine.h"

namespace dravlen::desktop {

// The embedded engine alone when `remote` is null or has not become ready with a voice within
// its second; otherwise an engine that lists the embedded voices first, in their own order (so
// a stored voice number keeps meaning the same voice), then the remote ones, and speaks through
// the engine of the voice chosen last. Rate and volume go to both engines. When the remote one
// is lost, speech goes back to the embedded engine, beginning with what the remote one had not
// finished saying.
std::unique_ptr<DesktopSpeech> withSpeechDispatcher(std::unique_ptr<DesktopSpeech> embedded,
                                                    std::unique_ptr<SpeechdSpeech> remote);

}  // namespace dravlen::desktop
