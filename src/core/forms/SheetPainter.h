#pragma once
// Lays a configuration sheet out on the pages of a printer or PDF writer:
// header, job, master type with its dial, settings in two aligned columns,
// calibration tables with their graphs, signature and date lines, and a
// footer with the program's version and "page x of y" on every page. Sizes
// are physical (millimetres and points), so any resolution and page size
// (A4, Letter) gives the same sheet.
class QPagedPaintDevice;
struct ConfigurationSheet;

namespace sheet_painter {

// False when the device cannot be painted on (a file that cannot be
// created); pageCount, when given, gets the number of pages drawn.
bool paint(const ConfigurationSheet &sheet, QPagedPaintDevice &device, int *pageCount = nullptr);

}
