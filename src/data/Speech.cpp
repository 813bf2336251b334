#include "Speech.h"

#include <espeak-ng/speak_lib.h>

EspeakSpeech::~EspeakSpeech() {
    if (available_)
        espeak_Terminate();
}

void EspeakSpeech::speak(const QString& text) {
    if (!started_) {
        // Started on first use: most sessions open without a word being read aloud.
        started_ = true;
        available_ = espeak_Initialize(AUDIO_OUTPUT_PLAYBACK, 0, nullptr, 0) > 0;
    }
    if (!available_ || text.trimmed().isEmpty())
        return;
    const QByteArray utf8 = text.toUtf8();
    espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                 nullptr, nullptr);
}

namespace {
int collect(short* samples, int count, espeak_EVENT* events) {
    auto* out = static_cast<std::vector<short>*>(events->user_data);
    if (samples && count > 0)
        out->insert(out->end(), samples, samples + count);
    return 0;
}
} // namespace

std::vector<short> EspeakSpeech::synthesize(const QString& text, int* sampleRate) {
    std::vector<short> samples;
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
    if (sampleRate)
        *sampleRate = rate;
    if (rate <= 0)
        return samples;
    espeak_SetSynthCallback(collect);
    const QByteArray utf8 = text.toUtf8();
    espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                 nullptr, &samples);
    espeak_Synchronize();
    espeak_Terminate();
    return samples;
}
