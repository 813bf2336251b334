#pragma once

#include "game/WordPuzzle.h"

#include <array>
#include <QFrame>

class QLabel;

// "Want a Hint??": the five hints, each a label clicked (or Alt+1 to Alt+5) to reveal a
// letter, and the price of the next one. A hint withdrawn keeps its place.
class GameHintsPanel : public QFrame {
    Q_OBJECT
public:
    explicit GameHintsPanel(QWidget* parent = nullptr);

    void offerAll();
    void setOffered(WordPuzzle::Hint hint, bool offered);
    void showCost(const QString& cost);

signals:
    void hintRequested(WordPuzzle::Hint hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* hintLabel(WordPuzzle::Hint hint) const;

    std::array<QLabel*, 5> hints_{};
    QLabel* cost_;
};
