// The files of a nest: its parts read from DXF files of closed outlines or from a strip-packing
// instance, and its sheets written as cutting-machine DXF (one file a sheet), SVG and PDF.
// Shared by brevant-cli nest and the desktop program's Nest tab.
#pragma once

#include "core/units.h"
#include "nesting/nest_job.h"

#include <string>
#include <vector>

namespace brevant {

// Adds the pieces of a DXF file as parts, count copies each, named after the file. False with
// a message naming the file and the reason.
bool AddDxfParts(const std::string& path, int count, NestJob& job, std::string& error);

// Replaces job by the strip-packing instance in the file (JSON). False with a message naming
// the file and the reason.
bool ReadNestInstanceFile(const std::string& path, NestJob& job, std::string& error);

// The file sheet `index` of `count` is written to: path itself for one sheet, else path with
// "-1", "-2", ... before its extension.
std::string SheetFileName(const std::string& path, std::size_t index, std::size_t count);

// Each sheet as a cutting-machine DXF in units, atomically; the files written, or false with a
// message naming the file and the reason.
bool WriteNestCamDxf(const std::string& path, const NestJob& job, const NestResult& result,
                     UnitSystem units, std::vector<std::string>& written, std::string& error);
// Every sheet in one SVG at true size.
bool WriteNestSvg(const std::string& path, const NestJob& job, const NestResult& result,
                  UnitSystem units, std::string& error);
// One sheet a page.
bool WriteNestPdf(const std::string& path, const NestJob& job, const NestResult& result,
                  UnitSystem units, std::string& error);

} // namespace brevant
