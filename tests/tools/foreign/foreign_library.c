/* A DLL that is not part of Windows, for the import check's own test. */
__declspec(dllexport) int hexmoor_foreign_answer(void) { return 42; }
