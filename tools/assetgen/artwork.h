#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <array>

class QPainter;
struct Lettering;

// Every painter works in logical (1x) pixels; the caller scales the
// painter, so each picture comes out at any scale from the same code.

void paintTitleBar(QPainter &p, QSize size);
void paintEmblem(QPainter &p, QSize size);
// The emblem's shield as the application's icon, on a transparent ground,
// drawn for `size` device pixels with the detail that size can hold.
void paintIcon(QPainter &p, int size);
void paintBanner(QPainter &p, QSize size, const QString &message);
void paintBottomPanel(QPainter &p, QSize size);
void paintRevealStrip(QPainter &p, QSize size);
void paintDialogBackground(QPainter &p, QSize size);

// Figures centred by advance in the cell, so every digit sits on the
// same axis and a changing readout never jitters.
void paintFigures(QPainter &p, QSize cell, const Lettering &style, const QString &text);
// A colon centred on its ink in the cell.
void paintColon(QPainter &p, QSize cell, const Lettering &style);
// A slash on the same baseline as figures of `style` in a cell of that height.
void paintSlash(QPainter &p, QSize cell, const Lettering &style);
// A slash scaled to fill the cell, for cells no figure style matches.
void paintFittedSlash(QPainter &p, QSize cell);

// A word set in the left `labelWidth` columns; placement is computed for
// `layoutHeight` rows, so taller variants only add rows at the bottom.
void paintLabel(QPainter &p, int labelWidth, int layoutHeight, const Lettering &style,
                const QString &text, bool bright);

// Seconds dial with its hand turned `degrees` clockwise from 12 o'clock.
void paintDial(QPainter &p, qreal degrees);
inline constexpr int dialCell = 26;

// Where the application lays real controls over the dialog background;
// the artwork leaves these rectangles plain white.
struct DialogControl {
    QRect box;
    QString label;
};
std::array<DialogControl, 6> dialogControls();
