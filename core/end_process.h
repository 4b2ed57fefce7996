#pragma once

// The status to end a program with, once its windows and application are gone. On Windows the
// process ends right there, before the libraries' own clean-up: with MinGW that clean-up waits for
// a lock of winpthread's that a thread ending at the same moment can leave held, and the program
// would hang, unseen, instead of ending (under Wine, one run in four of the studio's tests did).
int endProcess(int status);
