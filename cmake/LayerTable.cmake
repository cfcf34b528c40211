# The program's layers, lowest first, and the layers each may use. Each layer is the folder src/<layer>/ and the
# static library dovrel_<layer>, which links only the libraries of the layers it uses; CheckLayers.cmake holds every
# include in src/ to the same table. The executable (src/app/) sits on top of them all.
set(DOVREL_LAYERS core server platform shell settings clocks displays scores about check viewers menu)

set(DOVREL_USES_core "")
# The phones' viewer server: plain HTTP and Server-Sent Events on the program's own event loop, no widget.
set(DOVREL_USES_server core)
set(DOVREL_USES_platform core)
set(DOVREL_USES_shell core platform)
# The screens read the contest's values from the program (core/contest.h); only the settings pages edit them, and
# no screen below the menu knows another screen's widgets.
set(DOVREL_USES_settings core platform shell)
set(DOVREL_USES_clocks core platform shell)
set(DOVREL_USES_displays core platform shell)
set(DOVREL_USES_scores core platform shell)
set(DOVREL_USES_about core platform shell)
set(DOVREL_USES_check core platform shell)
set(DOVREL_USES_viewers core server platform shell)
set(DOVREL_USES_menu core server platform shell settings clocks displays scores about check viewers)
set(DOVREL_USES_app ${DOVREL_LAYERS})
