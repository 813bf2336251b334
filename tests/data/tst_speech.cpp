// The eSpeak NG voice really makes sound.
#include "data/Speech.h"

#include <QtTest>

class TestSpeech : public QObject {
    Q_OBJECT
private slots:
    void theVoiceProducesSamples() {
        int rate = 0;
        const std::vector<short> samples =
            EspeakSpeech::synthesize(QStringLiteral("laconic"), &rate);
        QVERIFY(rate > 0);
        QVERIFY(samples.size() > size_t(rate) / 10); // at least a tenth of a second
        const auto loudest = *std::max_element(samples.begin(), samples.end());
        QVERIFY(loudest > 1000); // not silence
    }
};

QTEST_GUILESS_MAIN(TestSpeech)
#include "tst_speech.moc"
