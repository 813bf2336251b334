#include "Speech.h"

#include <QLibrary>

#include <espeak-ng/speak_lib.h>

namespace {

// The voice's library and its audio stack (a dozen libraries) are loaded when a word is
// first read aloud, not at every start: most sessions open without one.
struct Voice {
    decltype(&espeak_Initialize) initialize = nullptr;
    decltype(&espeak_Synth) synth = nullptr;
    decltype(&espeak_SetSynthCallback) setSynthCallback = nullptr;
    decltype(&espeak_Synchronize) synchronize = nullptr;
    decltype(&espeak_Terminate) terminate = nullptr;
    decltype(&espeak_Info) info = nullptr;

    bool loaded() const {
        return initialize && synth && setSynthCallback && synchronize && terminate;
    }
};

const Voice& voice() {
    static const Voice loaded = [] {
        QLibrary library(QStringLiteral("espeak-ng"), 1);
        Voice v;
        if (!library.load())
            return v; // no voice installed: requests are dropped
        v.initialize =
            reinterpret_cast<decltype(v.initialize)>(library.resolve("espeak_Initialize"));
        v.synth = reinterpret_cast<decltype(v.synth)>(library.resolve("espeak_Synth"));
        v.setSynthCallback = reinterpret_cast<decltype(v.setSynthCallback)>(
            library.resolve("espeak_SetSynthCallback"));
        v.synchronize =
            reinterpret_cast<decltype(v.synchronize)>(library.resolve("espeak_Synchronize"));
        v.terminate = reinterpret_cast<decltype(v.terminate)>(library.resolve("espeak_Terminate"));
        v.info = reinterpret_cast<decltype(v.info)>(library.resolve("espeak_Info"));
        return v;
    }();
    return loaded;
}

int collect(short* samples, int count, espeak_EVENT* events) {
    auto* out = static_cast<std::vector<short>*>(events->user_data);
    if (samples && count > 0)
        out->insert(out->end(), samples, samples + count);
    return 0;
}

} // namespace

EspeakSpeech::~EspeakSpeech() {
    if (available_ && voice().terminate)
        voice().terminate();
}

void EspeakSpeech::speak(const QString& text) {
    if (!started_) {
        // Started on first use: most sessions open without a word being read aloud.
        started_ = true;
        available_ =
            voice().loaded() && voice().initialize(AUDIO_OUTPUT_PLAYBACK, 0, nullptr, 0) > 0;
    }
    if (!available_ || !voice().synth || text.trimmed().isEmpty())
        return;
    const QByteArray utf8 = text.toUtf8();
    voice().synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                  nullptr, nullptr);
}

std::vector<short> EspeakSpeech::synthesize(const QString& text, int* sampleRate) {
    std::vector<short> samples;
    const Voice& v = voice();
    const int rate = v.loaded() ? v.initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0) : 0;
    if (sampleRate)
        *sampleRate = rate;
    if (rate <= 0)
        return samples;
    v.setSynthCallback(collect);
    const QByteArray utf8 = text.toUtf8();
    v.synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
            nullptr, &samples);
    v.synchronize();
    v.terminate();
    return samples;
}

QString EspeakSpeech::version() {
    const char* dataPath = nullptr;
    return voice().info ? QString::fromUtf8(voice().info(&dataPath))
                        : QStringLiteral("(not installed)");
}
