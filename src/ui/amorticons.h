// Tool-bar pictures of the payback dialog's three print commands, drawn
// from small vector sources so that they stay sharp at every size.
#pragma once

#include <QIcon>

enum class tAmortIcon { PrintTable, PrintGraphic, PrintOverview };

QIcon AmortIcon(tAmortIcon which);
