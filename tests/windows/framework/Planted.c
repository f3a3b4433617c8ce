/* A library of a name the system folder lacks, which SystemLibrary_test plants. */
__declspec(dllexport) int velkaro_planted(void) {
    return 1;
}
