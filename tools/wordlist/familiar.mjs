// Prints the Dale-Chall list of words familiar to fourth-graders, one a line.
// The package is an ES module, so Node reads it rather than parsing its source.
import { daleChall } from "dale-chall";

process.stdout.write(daleChall.join("\n") + "\n");
