// A library with nothing but a damaged .rsrc section, for the tests of what
// the resource calls do with a malformed module file.
extern "C" int damagedModuleMarker() { return 1; }
