// What each of two programs in one folder does, the same on every system;
// how the second program is started is the system's own (fork, CreateProcess).
#pragma once

namespace velmo::test {

// Converts `count` numbers of program `k`'s own; the count of texts that
// came back other than its own.
int ConvertOwnNumbers(int k, int count);

// Program `k` raises its own highscore slot one point at a time up to
// `offers`, program 1 also summing the list now and then; the count of
// offers that went wrong and of messages shown.
int OfferRisingScores(int k, int offers);

} // namespace velmo::test
