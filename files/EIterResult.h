// EIterResult: the outcome of one step of an iteration over items.
//
// Shared by the tag reader (one component of a node), the tree walks and the
// dialogs' verbs. The numbers are part of the interface: hosts store and
// compare them.
#pragma once

enum EIterResult {
    eIterStop = 0,     // stop: a failure, or nothing is left
    eIterDone = 1,     // a node's closing tag was reached
    eIterContinue = 2, // go on with the next step
};
