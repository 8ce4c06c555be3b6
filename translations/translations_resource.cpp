// The translations are this library's resources (see CMakeLists.txt); a
// library needs one source file of its own to exist.
