#pragma once

#include <QString>

class TSQLQuery;

// The statement as the server gets it, its named parameters (":nom", outside quotes) written in as literals:
// what the mariadb command-line client sends for the same work. Stops the benchmark on a parameter without a
// value.
QString AvecParametres(const TSQLQuery& requete);
