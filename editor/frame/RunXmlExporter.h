#pragma once

// The exporter launcher: asks for the output file, starts the exporter (tools\pelvane.exe, quorrin.exe,
// skarrow.exe, tembrel.exe: tools/<name> below the working folder) with the nine values of the exporter command
// line, waits until it has ended and opens the file it wrote with the shell. A tool that cannot be started and
// an exporter that wrote no file are reported, naming the program as this system does (tools/tembrel); an older
// file of that name is then not opened. A written file
// that no program opens is reported with its path.

#include <string>

#include "CLoginValues.h"

// With the login values of the running editor.
void RunXmlExporter(const std::string& name, const char* toolPath, int id);
// With the given login values.
void RunXmlExporter(const CLoginValues& login, const std::string& name, const char* toolPath, int id);

// The text of one argument of the parameter text, to stand between double quotes: a quote and the backslashes
// before it are escaped as the command line splits them, so the exporter receives the text unchanged.
std::string QuoteExporterArgument(const std::string& text);
