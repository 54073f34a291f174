#pragma once

#include <QString>

// The workstation's identity as journal entries record it.

// The computer name, or the empty text when it cannot be read. Never fails.
QString GetNomMachine();

// The first IPv4 address that a look-up of the host's own name gives, in dotted decimal without leading
// zeros ("192.168.1.10"). Raises EKorven when the name or the address cannot be had.
QString GetIP();

// The dotted form of an IPv4 address given as its bytes in network order: each byte in decimal without
// leading zeros, joined by "."; no bytes give the empty text.
QString TexteAdresse(const unsigned char* octets, int longueur);
