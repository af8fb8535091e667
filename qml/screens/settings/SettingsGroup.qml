pragma ComponentBehavior: Bound
import QtQuick
import Nuvora

// One block of the settings page: its entries on one rounded panel, each given as
// {label, detail, destructive, name, act}.
Column {
    id: group

    required property var entries

    width: parent ? parent.width : 300

    Repeater {
        model: group.entries
        delegate: SettingsRow {
            required property var modelData
            required property int index

            objectName: modelData.name ?? ""
            label: modelData.label
            detail: modelData.detail ?? ""
            destructive: modelData.destructive ?? false
            row: index
            rowCount: group.entries.length
            onTapped: modelData.act()
        }
    }
}
