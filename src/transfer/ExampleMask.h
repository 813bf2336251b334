#pragma once

#include <QString>
#include <utility>
#include <vector>

// Usage examples hide their word behind the placeholder "---", with the inflection written
// against it ("---d", "---ing", "---ed"), so the quiz and the game never give the word away.
// This is the rule the shipped word tables were made with (tools/wordlist/usage.py), kept
// the same so that an imported example looks like a shipped one.
namespace ExampleMask {

inline const QString Placeholder = QStringLiteral("---");

// The regular written forms of a word in one part of speech ('n', 'v', 'a', 'r'), each with
// what is written after the placeholder: the literal tail when the form is the word plus at
// most three letters ("abased": "d"), else the inflection it stands for ("abasing": "ing").
// In the order they are made; the word itself comes first, with an empty suffix.
std::vector<std::pair<QString, QString>> regularForms(const QString& word, char partOfSpeech);

// The example with the word masked, or an empty string when the rule refuses it: the word
// does not occur in a regular form of that part of speech, occurs more than once (in any
// form), stands in a hyphen compound or an apostrophe form, opens the example, or the
// example holds dashes of its own. The first letter is capitalised.
QString mask(const QString& word, char partOfSpeech, const QString& example);

// For a word of unknown part of speech: the first part of speech the rule accepts it in
// (verb, noun, adjective, adverb). Upper-case letters in the word do not matter.
QString maskAnyForm(const QString& word, const QString& example);

// Puts a word back in place of the first placeholder and its suffix: the form the suffix
// stands for, or the word and the suffix as written. Text without one comes back as it is.
QString unmask(const QString& word, const QString& example);

} // namespace ExampleMask
