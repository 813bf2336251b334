#include "TourPages.h"

#include <QCoreApplication>

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("TourPages", text);
}
} // namespace

QList<TourPage> tourPages() {
    return {
        {tr("Welcome to Verbaloom"),
         tr("<p>Verbaloom helps you master advanced English vocabulary: you choose a set of "
            "words, study them on a flash card, mark your progress, and practise them in a "
            "quiz, a word game, a hands-free ticker and a list.</p>"
            "<p>This tour shows each part of the program on a page of its own. Move on with "
            "<b>Next</b> and go back with <b>Back</b> (or the arrow keys); close the tour "
            "whenever you like. You can start it again at any time from the main window's "
            "<b>Tutorial</b> menu.</p>"),
         Look::Icon::App},
        {tr("The main window: your study card"),
         tr("<p>The card shows a word, its meaning and an example of its use.</p><ul>"
            "<li><b>Display</b> chooses what is hidden so that you can guess: <i>Guess "
            "Meanings</i>, <i>Guess Words</i>, <i>Show All Boxes</i> or <i>Random Boxes</i>."
            "</li><li>Keep the <b>?</b> button (or F2) pressed to peek at the hidden boxes."
            "</li><li><b>Previous Word</b>, <b>Next Word</b> and <b>Random Word</b> move "
            "through your words; the arrow keys step too. Type into <i>Find word</i> to jump "
            "to a word.</li><li>The speaker button reads the word aloud; a right click on it "
            "reads the meaning or the usage. Tick <i>Always Pronounce</i> to hear every new "
            "word.</li><li>When you have studied a word, click <b>Mark it. I've Studied.</b>, "
            "and mark hard words <i>Difficult</i> or <i>Very Difficult</i>.</li></ul>"
            "<p>The strip across the top counts the words of your current selection, of the "
            "refined selection, and the number of the word on show.</p>"),
         Look::Icon::Hint},
        {tr("Words Selection"),
         tr("<p>The toolbar button <b>Words Selection</b> decides which words you study. "
            "Combine any of these: initial letters, numbered word lists, how often you have "
            "studied a word, its difficulty level, the dates you last studied it, or a "
            "special word list such as <i>Religion</i> or <i>Music</i>.</p>"
            "<p><b>Get Results</b> makes these words your current selection and tells you how "
            "many words are in your bag.</p>"
            "<p><b>Session Revision</b> brings back the words you marked as studied in this "
            "session.</p>"),
         Look::Icon::Select},
        {tr("Refine Selection"),
         tr("<p><b>Refine Selection</b> narrows your current selection without choosing it "
            "again: only the difficult words, the words not yet studied, words whose name "
            "starts with or contains some letters, whose meaning or usage contains a word, "
            "a read count or a word list number.</p>"
            "<p>One filter is in force at a time. The card, the quiz, the ticker, the list "
            "and printing all work on the refined selection.</p>"),
         Look::Icon::Refine},
        {tr("Quiz"),
         tr("<p>The <b>Quiz</b> shows a word of your refined selection with four meanings. "
            "Pick one and press <b>Verify Answer</b>: you see at once whether it is correct "
            "and how your score stands. <b>Next Question</b> moves on; no word is asked "
            "twice in one pass.</p>"
            "<p>A hint shows the word used in a sentence, and the word can be read aloud. "
            "When you close the quiz you get your accuracy and a grade.</p>"),
         Look::Icon::Quiz},
        {tr("Game"),
         tr("<p>The word <b>Game</b> gives you the meaning and an example of a hidden word "
            "and one box for each of its letters. Click a box and pick a letter: each "
            "letter is judged at once.</p>"
            "<p>Hints reveal letters for a growing price. A word solved earns points by its "
            "difficulty, and how much help you need sets the difficulty of the next word. "
            "Seven puzzles make a game; beat the high score to see your name stored.</p>"),
         Look::Icon::Game},
        {tr("One Spot - Ticker"),
         tr("<p>Sit back: the <b>One Spot</b> ticker shows the word on show in large type "
            "with its meaning and usage below, and steps through your refined selection by "
            "itself at the speed you choose, in order or at random.</p>"
            "<p>It can read each word and its meaning aloud, so you can learn with your "
            "eyes closed. The main window always stands on the same word.</p>"),
         Look::Icon::Ticker},
        {tr("List View"),
         tr("<p><b>List View</b> shows your refined selection as a table: word list, "
            "difficulty mark, word, meaning and usage. Select a row and the main window "
            "shows that word.</p>"
            "<p>Find a word, refine the selection, print the list or hear a word from "
            "there. The small <b>Navigate</b> window beside it steps through the words and "
            "marks their difficulty with one click.</p>"),
         Look::Icon::List},
        {tr("Progress Report"),
         tr("<p>The <b>Report</b> tells you how far you have come over the whole word list: "
            "how many words you have studied at least once, and for the easy, difficult "
            "and very difficult words how many still need more study passes.</p>"
            "<p><i>Give Me Such Words</i> explains how to select exactly the words that "
            "still need your attention.</p>"),
         Look::Icon::Report},
        {tr("Printing"),
         tr("<p><b>Print It!</b> prints the words of your refined selection as a list in "
            "three columns: word, meaning and usage. Look at a preview first or send it "
            "straight to the printer; printing to a PDF file works as well.</p>"
            "<p>Take the list with you and study anywhere.</p>"),
         Look::Icon::Print},
        {tr("Your own words, tips and more"),
         tr("<p>Missing a word? <b>Add Word</b> in the menu adds your own, with its meaning, "
            "an example and a difficulty level.</p>"
            "<p><b>About</b> › <b>Verbaloom Tips</b> shows a tip of the day, which also "
            "greets you at start-up unless you switch it off. <b>About Verbaloom!</b> shows "
            "the version and the licences.</p>"
            "<p>That is the tour. Enjoy your words!</p>"),
         Look::Icon::App},
    };
}
