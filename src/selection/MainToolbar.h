#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMainWindow;
class QToolBar;

// The main window's toolbar of keyed actions and its menu bar. Each action's objectName is
// its key ("Intelli Select", "Filter It!", ...), which is what the learner's tools and the
// tests press it by.
class MainToolbar : public QObject {
    Q_OBJECT
public:
    // The keys, in the toolbar's order.
    inline static const QString WordSelection = QStringLiteral("Intelli Select");
    inline static const QString RefineSelection = QStringLiteral("Filter It!");
    inline static const QString Revise = QStringLiteral("Revise");
    inline static const QString DueWords = QStringLiteral("Due Words");
    inline static const QString Quiz = QStringLiteral("Quiz");
    inline static const QString Game = QStringLiteral("Game");
    inline static const QString Ticker = QStringLiteral("One Spot");
    inline static const QString ListView = QStringLiteral("Listy");
    inline static const QString Print = QStringLiteral("Print It!");
    inline static const QString Report = QStringLiteral("Report");

    explicit MainToolbar(QMainWindow* window);

    QToolBar* toolBar() const { return toolBar_; }
    QAction* action(const QString& key) const;
    // "Due Words (37)": how many words wait today.
    void showWaiting(int count);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void actionTriggered(const QString& key);
    void addWordRequested();
    void importWordsRequested();
    void exportWordsRequested();
    void tutorialRequested();
    void tipsRequested();
    void aboutRequested();
    void optionsRequested();

private:
    void buildMenus(QMainWindow* window);

    QToolBar* toolBar_;
};
