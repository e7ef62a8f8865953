// The voice list over the embedded engine and a speech-dispatcher, and the switch between them.
#include "platform/desktop/voice_switch.h"

namespace dravlen::desktop {

namespace {

class VoiceSwitch : public DesktopSpeech {
public:
    VoiceSwitch(std::unique_ptr<DesktopSpeech> embedded, std::unique_ptr<SpeechdSpeech> remote)
        : embedded_(std::move(embedded)),
          remote_(std::move(remote)),
          own_(embedded_->voiceCount()),
          others_(remote_->voiceCount()),
          current_(embedded_.get()) {}

    // Both counts are fixed at the start, so the list stays the same even after a loss.
    int voiceCount() override { return own_ + others_; }

    std::string voiceName(int index) override {
        if (index < own_) return embedded_->voiceName(index);
        return remote_->voiceName(index - own_);
    }

    bool selectVoice(int index) override {
        if (index < 0 || index >= voiceCount()) return false;
        if (index < own_) {
            if (!embedded_->selectVoice(index)) return false;
            use(embedded_.get());
            return true;
        }
        if (remote_->lost() || !remote_->selectVoice(index - own_)) return false;
        use(remote_.get());
        return true;
    }

    int defaultRate() override { return embedded_->defaultRate(); }

    void setRate(int rate) override {
        embedded_->setRate(rate);
        remote_->setRate(rate);
    }

    void setVolume(int volume) override {
        embedded_->setVolume(volume);
        remote_->setVolume(volume);
    }

    void speak(const std::string& text, SpeakFlag flag) override {
        if (current_ == remote_.get() && remote_->lost()) fallBack();
        current_->speak(text, flag);
        if (current_ == remote_.get() && remote_->lost()) {
            // Lost while it took the text or waited for it: the embedded engine says the rest.
            fallBack();
            if (flag == SpeakFlag::sync) embedded_->speak("", SpeakFlag::sync);
        }
    }

    std::vector<std::string> heard() override { return current_->heard(); }

private:
    // Speech still queued in the engine left behind is discarded, so the two never talk at once.
    void use(DesktopSpeech* engine) {
        if (engine == current_) return;
        current_->speak("", SpeakFlag::purge);
        current_ = engine;
    }

    void fallBack() {
        current_ = embedded_.get();
        for (const std::string& text : remote_->takeUnheard()) embedded_->speak(text, SpeakFlag::async);
    }

    std::unique_ptr<DesktopSpeech> embedded_;
    std::unique_ptr<SpeechdSpeech> remote_;
    int own_;
    int others_;
    DesktopSpeech* current_;
};

}  // namespace

std::unique_ptr<DesktopSpeech> withSpeechDispatcher(std::unique_ptr<DesktopSpeech> embedded,
                                                    std::unique_ptr<SpeechdSpeech> remote) {
    if (!remote || !remote->ready() || remote->voiceCount() == 0) return embedded;
    return std::make_unique<VoiceSwitch>(std::move(embedded), std::move(remote));
}

}  // namespace dravlen::desktop
