#pragma once

#include <QString>

// The directory that holds config_korven.ini. On Windows the system directory; elsewhere /etc/korven, or the
// directory named by the environment variable KORVEN_SYSTEM_DIR when it is set (tests and the demo).
QString GetRepertoireSysteme();
