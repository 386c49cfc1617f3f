#pragma once

class QObject;

namespace grimlark::ui {

/// Makes SIGTERM, SIGINT and SIGHUP close the editor (and with it every other
/// window) through its usual unload, then end the program with exit status 0,
/// as a session logout or `kill` expects of a desktop program. A no-op where the
/// platform has no such signals.
void quitOnTerminationSignals(QObject *parent);

} // namespace grimlark::ui
