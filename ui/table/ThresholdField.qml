import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// A threshold field: up to 6 digits as an absolute weight, 0 to 100 as a
// percentage.
PanelField {
    property bool percent: false

    Layout.preferredWidth: 90
    validator: percent ? percentValidator : weightValidator

    IntValidator { id: percentValidator; bottom: 0; top: 100 }
    RegularExpressionValidator { id: weightValidator; regularExpression: /\d{0,6}/ }
}
