// Compiled only to produce the header image the test programs of a tree share.
