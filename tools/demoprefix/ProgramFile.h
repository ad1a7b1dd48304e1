#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <vector>

namespace tvn::tools {

// One image of an icon: a square of one colour, stored as the 32-bit bitmap an .ico file holds,
// or as a PNG file when `png` holds one (its size then as given).
struct ProgramIconImage {
    int size = 32;
    quint32 argb = 0xFF3366CC;
    QByteArray png;
};

// What a small Windows program file made for tests and benchmarks holds: icon groups (resource
// ids 1, 2... in this order) and, where any text is set, a version resource with these texts.
struct ProgramFileContent {
    std::vector<std::vector<ProgramIconImage>> iconGroups;
    QString description;
    QString product;
    QString company;
};

// A PE32 file with one section, its resources; it holds no code and cannot be run.
QByteArray programFileBytes(const ProgramFileContent& content);

} // namespace tvn::tools
