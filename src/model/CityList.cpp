#include "CityList.h"

#include <iterator>
#include <vector>

namespace {

// Province and city names. The order is shared with the server: never reorder.
const char16_t *const kProvinces[] = {
    u"",     u"安徽",   u"澳门", u"北京",   u"福建", u"甘肃", u"广东", u"广西", u"贵州",
    u"海南", u"河北",   u"河南", u"黑龙江", u"湖北", u"湖南", u"吉林", u"江苏", u"江西",
    u"辽宁", u"内蒙古", u"宁夏", u"青海",   u"山东", u"山西", u"陕西", u"上海", u"四川",
    u"台湾", u"天津",   u"西藏", u"香港",   u"新疆", u"云南", u"浙江", u"重庆",
};

const std::initializer_list<const char16_t *> kCities[] = {
    {u""},
    {u"", u"安庆", u"蚌埠", u"亳州", u"巢湖", u"池州", u"滁州", u"阜阳", u"合肥", u"淮北", u"淮南",
     u"黄山", u"六安", u"马鞍山", u"宿州", u"铜陵", u"芜湖", u"宣城"}, // 1 安徽
    {u"", u"澳门"},                                                    // 2 澳门
    {u"", u"北京"},                                                    // 3 北京
    {u"", u"福州", u"龙岩", u"南平", u"宁德", u"莆田", u"泉州", u"三明", u"厦门",
     u"漳州"}, // 4 福建
    {u"", u"白银", u"定西", u"甘南", u"嘉峪关", u"金昌", u"酒泉", u"兰州市", u"临夏", u"陇南",
     u"平凉", u"庆阳", u"天水", u"武威", u"张掖"}, // 5 甘肃
    {u"",     u"潮州", u"东莞", u"佛山", u"广州", u"河源", u"惠州", u"江门",
     u"揭阳", u"茂名", u"梅州", u"清远", u"汕头", u"汕尾", u"韶关", u"深圳",
     u"阳江", u"云浮", u"湛江", u"肇庆", u"中山", u"珠海"}, // 6 广东
    {u"", u"百色", u"北海", u"崇左", u"防城港", u"贵港", u"桂林", u"河池", u"贺州", u"来宾",
     u"柳州", u"南宁", u"钦州", u"梧州", u"玉林"}, // 7 广西
    {u"", u"安顺", u"毕节", u"贵阳", u"六盘水", u"黔东南", u"黔南", u"黔西南", u"铜仁",
     u"遵义"}, // 8 贵州
    {u"",     u"白沙", u"保亭", u"昌江",   u"澄迈", u"儋州", u"定安", u"东方",
     u"海口", u"乐东", u"临高", u"陵水",   u"南沙", u"琼海", u"琼中", u"三亚",
     u"屯昌", u"万宁", u"文昌", u"五指山", u"西沙", u"中沙"}, // 9 海南
    {u"", u"保定", u"沧州", u"承德", u"邯郸", u"衡水", u"廊坊", u"秦皇岛", u"石家庄", u"唐山",
     u"邢台", u"张家口"}, // 10 河北
    {u"", u"安阳", u"鹤壁", u"济源", u"焦作", u"开封", u"洛阳", u"漯河", u"南阳", u"平顶山",
     u"濮阳", u"三门峡", u"商丘", u"新乡", u"信阳", u"许昌", u"郑州", u"周口",
     u"驻马店"}, // 11 河南
    {u"", u"大庆", u"大兴安岭", u"哈尔滨", u"鹤岗", u"黑河", u"鸡西", u"佳木斯", u"牡丹江",
     u"七台河", u"齐齐哈尔", u"双鸭山", u"绥化", u"伊春"}, // 12 黑龙江
    {u"", u"鄂州", u"恩施", u"黄冈", u"黄石", u"荆门", u"荆州", u"潜江", u"神农架", u"十堰",
     u"随州", u"天门", u"武汉", u"仙桃", u"咸宁", u"襄樊", u"孝感", u"宜昌"}, // 13 湖北
    {u"", u"长沙", u"常德", u"郴州", u"衡阳", u"怀化", u"娄底", u"邵阳", u"湘潭", u"湘西", u"益阳",
     u"永州", u"岳阳", u"张家界", u"株洲"}, // 14 湖南
    {u"", u"白城", u"白山", u"长春", u"吉林", u"辽源", u"四平", u"松原", u"通化",
     u"延边"}, // 15 吉林
    {u"", u"常州", u"淮安", u"连云港", u"南京", u"南通", u"苏州", u"宿迁", u"泰州", u"无锡",
     u"徐州", u"盐城", u"扬州", u"镇江"}, // 16 江苏
    {u"", u"抚州", u"赣州", u"吉安", u"景德镇", u"九江", u"南昌", u"萍乡", u"上饶", u"新余",
     u"宜春", u"鹰潭"}, // 17 江西
    {u"", u"鞍山", u"本溪", u"朝阳", u"大连", u"丹东", u"抚顺", u"阜新", u"葫芦岛", u"锦州",
     u"辽阳", u"盘锦", u"沈阳", u"铁岭", u"营口"}, // 18 辽宁
    {u"", u"阿拉善", u"巴彦淖尔", u"包头", u"赤峰", u"鄂尔多斯", u"呼和浩特", u"呼伦贝尔", u"通辽",
     u"乌海", u"乌兰察布", u"锡林郭勒", u"兴安"},                                  // 19 内蒙古
    {u"", u"固原", u"石嘴山", u"吴忠", u"银川", u"中卫"},                          // 20 宁夏
    {u"", u"果洛", u"海北", u"海东", u"海南", u"海西", u"黄南", u"西宁", u"玉树"}, // 21 青海
    {u"", u"滨州", u"德州", u"东营", u"菏泽", u"济南", u"济宁", u"莱芜", u"聊城", u"临沂", u"青岛",
     u"日照", u"泰安", u"威海", u"潍坊", u"烟台", u"枣庄", u"淄博"}, // 22 山东
    {u"", u"长治", u"大同", u"晋城", u"晋中", u"临汾", u"吕梁", u"朔州", u"太原", u"忻州", u"阳泉",
     u"运城"}, // 23 山西
    {u"", u"安康", u"宝鸡", u"汉中", u"商洛", u"铜川", u"渭南", u"西安", u"咸阳", u"延安",
     u"榆林"},      // 24 陕西
    {u"", u"上海"}, // 25 上海
    {u"",       u"阿坝", u"巴中", u"成都", u"达州", u"德阳", u"甘孜", u"广安",
     u"广元",   u"乐山", u"凉山", u"泸州", u"眉山", u"绵阳", u"内江", u"南充",
     u"攀枝花", u"遂宁", u"雅安", u"宜宾", u"资阳", u"自贡"}, // 26 四川
    {u"",       u"高雄市", u"高雄县", u"花莲县", u"基隆市", u"嘉义市",
     u"嘉义县", u"苗栗县", u"南投县", u"澎湖县", u"屏东县", u"台北市",
     u"台北县", u"台东县", u"台南市", u"台南县", u"台中市", u"台中县",
     u"桃园县", u"新竹市", u"新竹县", u"宜兰县", u"云林县", u"彰化县"},     // 27 台湾
    {u"", u"天津"},                                                         // 28 天津
    {u"", u"阿里", u"昌都", u"拉萨", u"林芝", u"那曲", u"日喀则", u"山南"}, // 29 西藏
    {u"", u"香港"},                                                         // 30 香港
    {u"", u"阿克苏", u"阿拉尔", u"阿勒泰", u"巴音郭楞", u"博尔塔拉", u"昌吉", u"哈密", u"和田",
     u"喀什", u"克拉玛依", u"克孜勒苏", u"石河子", u"塔城", u"图木舒克", u"吐鲁番", u"乌鲁木齐",
     u"五家渠", u"伊犁"}, // 31 新疆
    {u"", u"保山", u"楚雄", u"大理", u"德宏", u"迪庆", u"红河", u"昆明", u"丽江", u"临沧", u"怒江",
     u"普洱", u"曲靖", u"文山", u"西双版纳", u"玉溪", u"昭通"}, // 32 云南
    {u"", u"杭州", u"湖州", u"嘉兴", u"金华", u"丽水", u"宁波", u"衢州", u"绍兴", u"台州", u"温州",
     u"舟山"}, // 33 浙江
    {u"",     u"巴南", u"北碚", u"璧山", u"长寿", u"城口", u"大渡口", u"大足", u"垫江",
     u"丰都", u"奉节", u"涪陵", u"合川", u"江北", u"江津", u"九龙坡", u"开县", u"梁平",
     u"南岸", u"南川", u"彭水", u"綦江", u"黔江", u"荣昌", u"沙坪坝", u"石柱", u"双桥",
     u"铜梁", u"潼南", u"万盛", u"万州", u"巫山", u"巫溪", u"武隆",   u"秀山", u"永川",
     u"酉阳", u"渝北", u"渝中", u"云阳", u"忠县"}, // 34 重庆
};

static_assert(std::size(kProvinces) == std::size(kCities));

template <typename Names> QStringList toList(const Names &names)
{
    QStringList list;
    list.reserve(int(std::size(names)));
    for (const char16_t *name : names)
        list.append(QString::fromUtf16(name));
    return list;
}

const QStringList &provinceList()
{
    static const QStringList list = toList(kProvinces);
    return list;
}

const std::vector<QStringList> &cityLists()
{
    static const std::vector<QStringList> lists = [] {
        std::vector<QStringList> all;
        for (const auto &cities : kCities)
            all.push_back(toList(cities));
        return all;
    }();
    return lists;
}

} // namespace

const QStringList &CityList::sheng()
{
    return provinceList();
}

std::optional<QStringList> CityList::shiInShengIndex(int shengIndex)
{
    if (shengIndex < 0 || size_t(shengIndex) >= cityLists().size())
        return std::nullopt;
    return cityLists()[size_t(shengIndex)];
}

std::optional<QString> CityList::shiWithShiIndexShengIndex(int shiIndex, int shengIndex)
{
    const auto cities = shiInShengIndex(shengIndex);
    if (!cities)
        return std::nullopt;
    return elementwithIndexInArray(shiIndex, *cities);
}

QString CityList::elementwithIndexInArray(int index, const QStringList &array)
{
    if (array.isEmpty())
        return {};
    // Indices compare as unsigned, so a negative index also yields the last element.
    const auto i = static_cast<unsigned>(index);
    return i < unsigned(array.size()) ? array.at(int(i)) : array.last();
}
