#include "model/PieceDrawing.h"

#include "model/BrikVantaHouse.h"
#include "model/DrawTarget.h"
#include "model/Vector.h"

namespace {
void emitNormal(Point p0, Point p1, Point p2) {
    Vector normal = faceNormal(p0, p1, p2);
    drawTarget().normal(normal.getX(), normal.getY(), normal.getZ());
}

void emitVertex(const Point& p) { drawTarget().vertex(p.getX(), p.getY(), p.getZ()); }
}  // namespace

void drawTableSolid(const SolidTables& solid) {
    for (int face = 0; face < solid.faceCount; ++face) {
        const int* slots = solid.faces + face * solid.slotsPerFace;
        drawTarget().beginPolygon();
        emitNormal(solid.vertices[slots[0]], solid.vertices[slots[1]], solid.vertices[slots[2]]);
        for (int slot = 0; slot < solid.slotsPerFace; ++slot) {
            if (slots[slot] >= 0) emitVertex(solid.vertices[slots[slot]]);
        }
        drawTarget().endPolygon();
    }
}

void drawPolygon(const Point* vertices, int vertexCount) {
    emitNormal(vertices[0], vertices[1], vertices[2]);
    drawTarget().beginPolygon();
    for (int i = 0; i < vertexCount; ++i) emitVertex(vertices[i]);
    drawTarget().endPolygon();
}

void drawBox(double x0, double x1, double y0, double y1, double z0, double z1) {
    drawTarget().pushMatrix();
    drawTarget().translate((x0 + x1) / 2, (y0 + y1) / 2, (z0 + z1) / 2);
    drawTarget().scale(x1 - x0, y1 - y0, z1 - z0);
    drawTarget().unitCube();
    drawTarget().popMatrix();
}

void drawStud(BrikVantaHouse& house, double x, double y, double z) {
    drawTarget().pushMatrix();
    drawTarget().translate(x, y, z);
    house.drawSolidRound(0.2, 0.3);
    drawTarget().popMatrix();
}

bool applyQuarterTurn(double angle, double width, double depth) {
    if (angle == 90) {
        drawTarget().translate(0, 0, width);
    } else if (angle == 180) {
        drawTarget().translate(width, 0, depth);
    } else if (angle == 270) {
        drawTarget().translate(depth, 0, 0);
    } else {
        return false;
    }
    drawTarget().rotate(angle, 0, 1, 0);
    return true;
}

std::array<Point, 10> prismOfSection(const double (&section)[5][2], double length) {
    std::array<Point, 10> vertices;
    for (int i = 0; i < 5; ++i) {
        vertices[size_t(i)] = Point(section[i][0], section[i][1], length);
        vertices[size_t(9 - i)] = Point(section[i][0], section[i][1], 0);
    }
    return vertices;
}

bool applyTurnAtNinetyOnly(double angle, double width, double depth) {
    return angle == 90 && applyQuarterTurn(angle, width, depth);
}
