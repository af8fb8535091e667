import QtQuick
import Nuvora

// The year, month and day wheels of a date picker.
Row {
    id: row

    required property DateWheels wheels

    DateWheel {
        width: 120
        model: row.wheels.maximumYear - row.wheels.minimumYear + 1
        selected: row.wheels.year - row.wheels.minimumYear
        suffix: "年"
        offset: row.wheels.minimumYear
        onPicked: index => row.wheels.setDate(index + row.wheels.minimumYear, row.wheels.month,
                                              row.wheels.day)
    }
    DateWheel {
        width: 90
        model: 12
        selected: row.wheels.month - 1
        suffix: "月"
        offset: 1
        onPicked: index => row.wheels.setDate(row.wheels.year, index + 1, row.wheels.day)
    }
    DateWheel {
        width: 90
        // Every day stays on the wheel, so that it never resets under the finger; days
        // the month lacks are dimmed and snap back.
        model: 31
        available: row.wheels.daysInMonth
        selected: row.wheels.day - 1
        suffix: "日"
        offset: 1
        onPicked: index => row.wheels.setDate(row.wheels.year, row.wheels.month, index + 1)
    }
}
