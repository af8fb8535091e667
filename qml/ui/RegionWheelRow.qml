import QtQuick
import Nuvora

// The province and city wheels side by side; a turn is reported as (row, column) for the
// screen to take.
Row {
    id: row

    required property RegionWheels wheels
    signal picked(int row, int component)

    PlaceWheel {
        width: row.width / 2
        height: row.height
        model: row.wheels.provinces
        selected: row.wheels.selectedProvinceRow
        onPicked: index => row.picked(index, RegionWheels.ProvinceComponent)
        Accessible.name: "省份"
    }
    PlaceWheel {
        width: row.width / 2
        height: row.height
        model: row.wheels.cities
        selected: row.wheels.selectedCityRow
        onPicked: index => row.picked(index, RegionWheels.CityComponent)
        Accessible.name: "城市"
    }
}
