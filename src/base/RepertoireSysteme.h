#pragma once

#include <QString>

// The directory that holds config_korven.ini: the directory named by the environment variable
// KORVEN_SYSTEM_DIR when it is set (tests and the demo); otherwise, on Windows, the system directory
// (C:\Windows\System32), elsewhere /etc/korven.
QString GetRepertoireSysteme();
