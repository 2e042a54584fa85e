#include "editor/qt/ScoreExporter.h"

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

#include "editor/PrintMapping.h"
#include "editor/ScorePainter.h"
#include "editor/qt/QtDeviceContext.h"
#include "model/PageGeometry.h"
#include "model/Song.h"
#include "model/SongText.h"

namespace {

constexpr qreal kScreenDotsPerInch = 96.0;
constexpr int kPdfDotsPerInch = 1200;

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

// Score units to the PDF page's dots for printed page k.
void MapPrintedPage(QPainter& painter, int page, qreal paperWidth, qreal paperHeight) {
    const PrintMapping mapping = PrintMapping::ForPage(page, paperWidth, paperHeight);
    painter.resetTransform();
    painter.translate(mapping.originX, mapping.originY);
    painter.scale(mapping.scale, mapping.scale);
    painter.translate(-mapping.pageLeft, -mapping.pageTop);
}

// Draws printed page k of pages onto the painter's device, fitted to it.
void PaintPrintedPage(QPainter& painter, Song& song, int page, int pages, qreal width,
                      qreal height) {
    MapPrintedPage(painter, page, width, height);
    QtDeviceContext dc(painter, PageGeometry::PageRect(page - 1), true);
    ScorePainter::PrintPage(dc, song, page, pages);
}

bool SavePng(const QImage& image, const std::string& path, std::string& error) {
    QSaveFile file(ToQString(path));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace

bool ScoreExporter::ExportPng(Song& song, const std::string& path, int zoomPercent,
                              std::string& error) {
    const int pages = ScorePainter::PageCount();
    const Rect area{0, 0, PageGeometry::ScrollWidth(pages), PageGeometry::kScrollHeight};
    const qreal scale = QtDeviceContext::ScreenScale(zoomPercent, kScreenDotsPerInch);
    const int width = static_cast<int>(std::ceil(area.right * scale));
    const int height = static_cast<int>(std::ceil(area.bottom * scale));
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        error = "the image is too large to make";
        return false;
    }
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(scale, scale);
        QtDeviceContext dc(painter, area, false);
        ScorePainter::PaintScreen(dc, &song, pages);
    }
    return SavePng(image, path, error);
}

bool ScoreExporter::ExportThumbnail(Song& song, const std::string& path, int longestSide,
                                    std::string& error) {
    const int height = longestSide;
    const int width = std::max(
        1, static_cast<int>(std::lround(static_cast<qreal>(longestSide) * PageGeometry::kPageWidth /
                                        PageGeometry::kPageHeight)));
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        error = "the image is too large to make";
        return false;
    }
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        PaintPrintedPage(painter, song, 1, ScorePainter::PageCount(), width, height);
    }
    return SavePng(image, path, error);
}

bool ScoreExporter::ExportPdf(Song& song, const std::string& path, std::string& error) {
    const int pages = ScorePainter::PageCount();
    QSaveFile file(ToQString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        error = "cannot write " + path;
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfDotsPerInch);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(ToQString(song.GetTitleText()->GetText()));
        writer.setCreator(QStringLiteral("Quillsong"));
        if (!PrintPages(writer, song, 1, pages)) {
            error = "cannot start the PDF";
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

bool ScoreExporter::PrintPages(QPagedPaintDevice& device, Song& song, int first, int last) {
    const int pages = ScorePainter::PageCount();
    first = std::max(first, 1);
    last = std::min(last, pages);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    for (int page = first; page <= last; ++page) {
        if (page > first) {
            device.newPage();
        }
        PaintPrintedPage(painter, song, page, pages, device.width(), device.height());
    }
    painter.end();
    return true;
}
