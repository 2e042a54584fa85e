#pragma once

#include <string>

class QPagedPaintDevice;
class Song;

// Writes the score as the screen shows it (a PNG of the desk and pages) or
// as the printer prints it (a PDF, one A4 page per score page). Both write
// to a temporary file beside the target and rename it, so a failure never
// leaves a half-written file. Needs a QGuiApplication with the notation font.
class ScoreExporter {
public:
    // The whole scroll area at the zoom, 96 dots per inch at 100 %.
    static bool ExportPng(Song& song, const std::string& path, int zoomPercent, std::string& error);
    static bool ExportPdf(Song& song, const std::string& path, std::string& error);
    // The first page as printed, on white, scaled so its longer side (the
    // A4 page's height) is longestSide pixels; for file managers' thumbnails.
    static bool ExportThumbnail(Song& song, const std::string& path, int longestSide,
                                std::string& error);
    // Prints the score pages first to last (1-based, limited to the song's
    // pages) onto the device, one per sheet, each A4 page fitted to the
    // sheet's whole paper (a printer must print on the full page); false
    // when the device cannot be painted on.
    static bool PrintPages(QPagedPaintDevice& device, Song& song, int first, int last);
};
