// Built into the program only with the sanitizers: the leaks LeakSanitizer is not to report.
//
// Qt's desktop integration looks for the session bus as the program starts. Where none runs (a bare X session, a
// service machine), libdbus, on Qt's D-Bus thread, leaves behind the 1032-byte buffer it grew in _dbus_read while
// looking for one, and LeakSanitizer would fail every exit. libdbus is built without frame pointers, so the stack
// of that leak shows no frame beyond its first, inside libdbus-1.so.3: the suppression names that library and
// nothing else, and every leak of the program's own still counts.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:/libdbus-1.so.3$\n";
}
