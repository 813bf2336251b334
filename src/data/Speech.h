#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// Reads texts aloud. Requests are queued and heard one after the other; nobody waits for
// them. Where no voice or no audio device is available a request is dropped quietly:
// speech never ends or stalls the program.
class Speech {
public:
    virtual ~Speech() = default;
    virtual void speak(const QString& text) = 0;
};

// The eSpeak NG voice, playing through the system's audio output.
class EspeakSpeech : public Speech {
public:
    EspeakSpeech() = default;
    ~EspeakSpeech() override;
    void speak(const QString& text) override;

    // Synthesises text into 16-bit mono samples without playing them; for checks of the
    // voice itself. Must not be mixed with speak() in one process.
    static std::vector<short> synthesize(const QString& text, int* sampleRate = nullptr);
    // The installed voice library's version, for the About window.
    static QString version();

private:
    bool started_ = false;
    bool available_ = false;
};
