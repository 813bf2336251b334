// Prints the popular-english-words list, one word a line, most frequent first.
// The package is an ES module, so Node reads it rather than parsing its source.
import { words } from "popular-english-words";

process.stdout.write(words.getAll().join("\n") + "\n");
