// Draws the tool bar images, the pointer images and the transport and
// navigation panels' button images the program ships, each as
// NAME.png and a copy of twice the size, NAME@2x.png, into a folder, with the
// resource list icons.qrc that compiles them into the program. To change an
// image, change its drawing and regenerate the files from the source tree's
// top:
//
//   cmake --build build --target quillsong_make_icons && ./build/quillsong_make_icons assets/icons
//
// The notation font is read from fonts/LarkNotation.otf beside the program
// (where the build puts it) unless --font names another file. The app tests
// (ShippedIconsTest) fail while assets/icons differs from what this program
// draws.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "editor/qt/PanelIcons.h"
#include "editor/qt/ToolBarIcons.h"
#include "editor/qt/ToolCursors.h"
#include "tools/NotationIcons.h"
#include "tools/PanelShapes.h"
#include "tools/ToolShapes.h"

namespace {

struct Picture {
    std::string name;
    int size;
    std::function<void(QPainter&)> draw;
};

constexpr QPointF kPixelCentre(0.5, 0.5);

std::vector<std::function<void(QPainter&)>> ToolBarDrawings(const NotationIcons& music) {
    using Draw = std::function<void(QPainter&)>;
    std::vector<Draw> drawings{
        [](QPainter& p) {
            ToolShapes::Pencil(p, {3, 21}, 23.5, 7);
        },
        [](QPainter& p) {
            ToolShapes::Ground(p, {9.5, 21.5}, {21.5, 21.5});
            ToolShapes::Eraser(p, {5.5, 17}, 16, 10);
        },
        [](QPainter& p) {
            ToolShapes::SelectionFrame(p, QRectF(3.5, 2.5, 14, 11));
            ToolShapes::Arrow(p, {11.5, 8}, 0.68);
        },
    };
    for (int value = 0; value < 5; ++value) {
        drawings.push_back([&music, value](QPainter& p) { music.Note(p, value); });
    }
    for (int accidental = 0; accidental < 3; ++accidental) {
        drawings.push_back([&music, accidental](QPainter& p) { music.Accidental(p, accidental); });
    }
    for (int value = 0; value < 5; ++value) {
        drawings.push_back([&music, value](QPainter& p) { music.Rest(p, value); });
    }
    drawings.push_back([&music](QPainter& p) { music.Dot(p); });
    drawings.push_back([&music](QPainter& p) { music.Triplet(p); });
    drawings.push_back([&music](QPainter& p) { music.Tie(p); });
    return drawings;
}

std::function<void(QPainter&)> PointerDrawing(const NotationIcons& music,
                                              const ToolCursors::Picture& picture) {
    const QPointF hotSpot = QPointF(picture.hotSpot) + kPixelCentre;
    switch (picture.shape) {
        case ToolCursors::Pencil:
            return [hotSpot](QPainter& p) { ToolShapes::Pencil(p, hotSpot, 27, 7); };
        case ToolCursors::Eraser:
            return [hotSpot](QPainter& p) { ToolShapes::Eraser(p, hotSpot, 18, 10); };
        default:
            return [hotSpot, &music](QPainter& p) {
                ToolShapes::Arrow(p, hotSpot, 1);
                ToolShapes::Badge(p, {22.5, 22.5}, 8.5, music.NoteSymbol(3, 11));
            };
    }
}

// The panel's pictures and the drawing's symbols share their order, as do
// the states.
static_assert(static_cast<int>(PanelIcons::ZoomIn) == static_cast<int>(PanelShapes::ZoomIn));
static_assert(static_cast<int>(PanelIcons::Disabled) == static_cast<int>(PanelShapes::Disabled));
void AddPanelButtons(std::vector<Picture>& pictures) {
    for (int symbol = 0; symbol < PanelIcons::kPictureCount; ++symbol) {
        for (int state = 0; state < PanelIcons::kStateCount; ++state) {
            const auto picture = static_cast<PanelIcons::Picture>(symbol);
            const auto look = static_cast<PanelIcons::State>(state);
            pictures.push_back({PanelIcons::FileName(picture, look), PanelIcons::kSize,
                                [symbol, state](QPainter& p) {
                                    PanelShapes::Button(p, static_cast<PanelShapes::Symbol>(symbol),
                                                        static_cast<PanelShapes::State>(state));
                                }});
        }
    }
}

std::vector<Picture> Catalogue(const NotationIcons& music) {
    std::vector<Picture> pictures;
    const auto toolBar = ToolBarDrawings(music);
    for (int i = 0; i < ToolBarIcons::kCount; ++i) {
        pictures.push_back({std::string(ToolBarIcons::kNames[static_cast<size_t>(i)]),
                            ToolBarIcons::kSize, toolBar[static_cast<size_t>(i)]});
    }
    for (const ToolCursors::Picture& pointer : ToolCursors::kPictures) {
        pictures.push_back(
            {std::string(pointer.name), ToolCursors::kSize, PointerDrawing(music, pointer)});
    }
    AddPanelButtons(pictures);
    return pictures;
}

QImage Render(const Picture& picture, int factor) {
    QImage image(picture.size * factor, picture.size * factor, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(factor, factor);
    picture.draw(painter);
    return image;
}

bool WriteAll(const std::vector<Picture>& pictures, const QDir& folder) {
    for (const Picture& picture : pictures) {
        const QString name = QString::fromStdString(picture.name);
        for (const auto& [factor, suffix] : {std::pair{1, ""}, std::pair{2, "@2x"}}) {
            const QString path = folder.filePath(name + suffix + ".png");
            if (!Render(picture, factor).save(path, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return false;
            }
            std::printf("%s\n", qPrintable(path));
        }
    }
    return true;
}

bool WriteResourceList(const std::vector<Picture>& pictures, const QDir& folder) {
    const QString path = folder.filePath(QStringLiteral("icons.qrc"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    QTextStream out(&file);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/icons\">\n";
    for (const Picture& picture : pictures) {
        const QString name = QString::fromStdString(picture.name);
        out << "        <file>" << name << ".png</file>\n";
        out << "        <file>" << name << "@2x.png</file>\n";
    }
    out << "    </qresource>\n</RCC>\n";
    out.flush();
    std::printf("%s\n", qPrintable(path));
    return file.error() == QFile::NoError;
}

int Usage(const char* program) {
    std::fprintf(stderr,
                 "usage: %s FOLDER [--font LarkNotation.otf]\n"
                 "draws every tool bar and pointer image into FOLDER\n",
                 program);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const char* program = argc > 0 ? argv[0] : "quillsong_make_icons";
    if (!(argc == 2 || (argc == 4 && std::string(argv[2]) == "--font")) ||
        std::string(argv[1]).starts_with("-")) {
        return Usage(program);
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const QString fontPath = argc == 4 ? QString::fromLocal8Bit(argv[3])
                                       : QCoreApplication::applicationDirPath() +
                                             QStringLiteral("/fonts/LarkNotation.otf");
    const int font = QFontDatabase::addApplicationFont(fontPath);
    if (font < 0) {
        std::fprintf(stderr, "cannot load the notation font %s\n", qPrintable(fontPath));
        return 1;
    }
    // Another face would draw another "3" than the committed images show.
    if (!QFontDatabase::families().contains(QStringLiteral("DejaVu Sans"))) {
        std::fprintf(stderr, "the DejaVu Sans font is missing (Debian: fonts-dejavu-core)\n");
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make the folder %s\n", argv[1]);
        return 1;
    }
    const NotationIcons music(QFontDatabase::applicationFontFamilies(font).value(0));
    const std::vector<Picture> pictures = Catalogue(music);
    return WriteAll(pictures, folder) && WriteResourceList(pictures, folder) ? 0 : 1;
}
