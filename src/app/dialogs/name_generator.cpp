// SPDX-License-Identifier: MIT
#include "name_generator.h"

namespace morvane {

TNameGenerator::TNameGenerator(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("NameGenerator");
    setWindowTitle("Name Generator");
    resize(360, 220);
}
} // namespace morvane
