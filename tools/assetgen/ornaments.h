#pragma once

class QPainter;
class QColor;
class QPointF;

// Rules are filled rectangles on whole logical pixels rather than stroked
// lines, so they stay one crisp device row at every scale.
void hairline(QPainter &p, int x0, int x1, int y, const QColor &color);
void dottedRule(QPainter &p, int x0, int x1, int y, const QColor &color);
// Small lozenge used to finish the ends of rules.
void lozenge(QPainter &p, QPointF centre, double radius, const QColor &color);
