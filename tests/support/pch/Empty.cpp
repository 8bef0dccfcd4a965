// The widget tests' precompiled header is built with this otherwise empty library (see
// tests/CMakeLists.txt): a library compiled exactly as the tests are, so they can reuse it.
