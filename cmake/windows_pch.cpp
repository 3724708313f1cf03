// Compiled only to produce the windows.h header image the Windows targets share.
