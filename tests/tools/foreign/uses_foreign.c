/* An executable that imports a DLL that is not part of Windows: the import
   check must refuse it. */
__declspec(dllimport) int hexmoor_foreign_answer(void);

int main(void) { return hexmoor_foreign_answer() == 42 ? 0 : 1; }
