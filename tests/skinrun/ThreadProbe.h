// The thread probe's answer (its exit code): which of its windows skinrun's
// engine skinned.
#pragma once

enum ProbeAnswer : int {
    MainThreadSkinned = 1,
    // A window of a thread the program started after the engine was loaded.
    SecondThreadSkinned = 2,
    // The main thread's window, after the second thread ended skinned.
    MainStillSkinned = 4,
    AllSkinned = MainThreadSkinned | SecondThreadSkinned | MainStillSkinned,
};
