#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "modelfile/ExchangeFormats.h"

namespace fw {

// facetwork-tool commands for the game's files and the exchange formats.

// What the import and export commands give the readers and writers: texture names and
// OBJ pictures. The program sets it from its texture catalogue; unset: the defaults.
void SetToolFormatOptions(std::function<FormatOptions()> options);

// GAMEDIR: one line per polygon model of the game's descent2.ham.
int RunGameModels(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// MODEL.{ham,hxm,pof}[#N] | IN.obj, OUT.pol [--scale F]: converts and saves; the summary
// line goes to `out`. Nothing is written when the source is refused.
int RunExchangeImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// IN.pol OUT.obj: the model and its material library.
int RunObjExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// IN.pol OUT.hxm --replace N [--game GAMEDIR]
int RunExportHxm(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// IN.pol OUT.pof
int RunExportPof(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace fw
