// The main window's interactive operations, offscreen: start-up over the shipped words, and
// a step and a find keystroke at 100,000 words.
#include "app/basRegistry.h"
#include "app/StartModule.h"
#include "data/Speech.h"
#include "selection/IntelliSelect.h"
#include "selection/frmFilterbox.h"
#include "study/Form1.h"
#include "SyntheticDb.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

struct Silent : Speech {
    void speak(const QString&) override {}
};
struct Screen : DisplayModes {
    QSize screenSize() const override { return {1280, 1024}; }
    void changeResolution(int, int) override {}
};

void StartMainWindowOnShippedWords(benchmark::State& state) {
    QTemporaryDir dir;
    QFile::copy(QStringLiteral(VERBALOOM_SHIPPED_DB), dir.filePath(QStringLiteral("dbnk.db")));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Silent speech;
    Screen screen;
    for (auto _ : state) {
        Form1 form(&speech, &screen);
        form.Form_Load();
        form.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.Text1->text());
    }
    QDir::setCurrent(previous);
}
BENCHMARK(StartMainWindowOnShippedWords)->Unit(benchmark::kMillisecond);

struct Large {
    Large() : db(100000) {
        form = std::make_unique<Form1>(&speech, &screen);
        form->Form_Load();
        form->show();
        QApplication::processEvents();
    }
    SyntheticDb db;
    Silent speech;
    Screen screen;
    std::unique_ptr<Form1> form;
};
Large& large() {
    static Large instance;
    return instance;
}

void NextWordClick(benchmark::State& state) {
    Form1& form = *large().form;
    form.cmdRandomWord_Click();
    bool forward = true;
    for (auto _ : state) {
        form.Command10[forward ? 1 : 0]->click();
        forward = !forward;
    }
}
BENCHMARK(NextWordClick)->Unit(benchmark::kMillisecond);

void FindKeystroke(benchmark::State& state) {
    Form1& form = *large().form;
    const QStringList texts{QStringLiteral("m"), QStringLiteral("mo"), QStringLiteral("mol"),
                            QStringLiteral("mo")};
    int i = 0;
    for (auto _ : state) {
        form.txtFind->setText(texts[i++ % texts.size()]);
    }
}
BENCHMARK(FindKeystroke)->Unit(benchmark::kMillisecond);

void SixCriteriaSelectionThroughTheWindow(benchmark::State& state) {
    Form1& form = *large().form;
    IntelliSelect::Criteria c;
    c.letters = true;
    c.selectedLetters = {"A", "C", "M"};
    c.studyCount = true;
    c.comparison = "<";
    c.count = "3";
    c.wordLists = true;
    c.selectedLists = {1, 4, 16};
    c.lastStudied = true;
    c.from = "01/01/2020";
    c.to = "12/31/2024";
    c.difficulty = true;
    c.easy = c.difficult = true;
    for (auto _ : state) {
        const auto result = IntelliSelect::compose(c);
        form.selection().querybtn(result.statement);
        form.recfunc();
    }
}
BENCHMARK(SixCriteriaSelectionThroughTheWindow)->Unit(benchmark::kMillisecond);

void RefineKeystroke(benchmark::State& state) {
    Form1& form = *large().form;
    form.selection().querybtn(CurrentSelection::AllWords);
    frmFilterbox refine(&form);
    const QStringList texts{QStringLiteral("a"), QStringLiteral("ab"), QStringLiteral("abc"),
                            QStringLiteral("ab")};
    int i = 0;
    for (auto _ : state)
        refine.Text1[1]->setText(texts[i++ % texts.size()]);
}
BENCHMARK(RefineKeystroke)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("verbaloom"));
    QStandardPaths::setTestModeEnabled(true);
    // Start-up is timed up to the window, not the learner's time with the modal tip.
    AppSettings::SaveSetting(AppSettings::AppName, AppSettings::OptionsSection,
                             AppSettings::ShowTipsKey, QStringLiteral("0"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
