#pragma once

#include <QDateTime>

// The database server's date and time, read on the master connection of the data module (query pattern,
// provider "ProviderDonnee"). Raises EKorven when the server gives no row or more than one.
QDateTime GetDateHeureServeur();
