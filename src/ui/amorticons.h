// Tool-bar pictures of the payback dialog's four print commands, drawn
// from small vector sources so that they stay sharp at every size.
#pragma once

#include <QIcon>

enum class tAmortIcon { PrintTable, PrintGraphic, PrintOverview, PrintSensitivity };

QIcon AmortIcon(tAmortIcon which);
