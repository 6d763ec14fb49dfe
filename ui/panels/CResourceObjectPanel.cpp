#include "CResourceObjectPanel.h"

#include "StApplicationId.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

using Ids = std::vector<unsigned long>;

// The applications that share the family's converter layouts.
const Ids kConverters = {19237, 27746, 31198, 44033, 59301, 60995, 64481, 77002, 81932, 87232, 90164, 99087};

Ids Join(const Ids& ids, std::initializer_list<unsigned long> more)
{
    Ids all = ids;
    all.insert(all.end(), more);
    return all;
}

struct Variant {
    unsigned base;
    Ids applications;
    unsigned variant;
};

const std::vector<Variant>& Variants()
{
    static const std::vector<Variant> table = {
        {7020, kConverters, 7060},
        {7020, {2, 84025}, 7049},
        {7021, {27746}, 7117},
        {7022, {10001}, 7141},
        {7022, Join(kConverters, {44035, 58090}), 7050},
        {7022, {50722}, 7073},
        {7029, {23974}, 7062},
        {7031, Join(kConverters, {44035, 50722, 58090}), 7059},
        {7032, {10001}, 7142},
        {7032, kConverters, 7053},
        {7033, {95505}, 7034},
        {7035, {19237, 27746, 31198, 44033, 50722, 50957, 59301, 60995, 64481, 87232, 99087}, 7037},
        {7035, {44035, 58090, 77002, 81932, 90164}, 7036},
        {7041, {19237, 27746, 31198, 44033, 44035, 50722, 58090, 59301, 60995, 64481, 87232, 99087}, 7057},
        {7042, kConverters, 7054},
        {7043, {32658}, 7080},
        {7043, {49534}, 7129},
        {7046, Join(kConverters, {44035, 58090}), 7061},
        {7047, Join(kConverters, {44035, 58090}), 7058},
        {7048, kConverters, 7055},
        {7068, {95505}, 7069},
        {7074, {2}, 7076},
        {7074, {3}, 7077},
        {7074, {44035, 58090}, 7075},
        {7081, kConverters, 7082},
        {7083, kConverters, 7084},
        {7085, kConverters, 7086},
        {7087, kConverters, 7088},
        {7091, {2}, 7092},
        {7093, kConverters, 7094},
        {7095, Join(kConverters, {44035, 58090}), 7096},
        {7095, {50722}, 7100},
        {7097, Join(kConverters, {44035, 50722, 58090}), 7098},
        {7102, Join(kConverters, {44035, 50722, 58090}), 7103},
        {7104, kConverters, 7105},
        {7106, kConverters, 7107},
        {7111, Join(kConverters, {44035, 50722, 58090}), 7110},
        {7112, kConverters, 7113},
        {7114, {77002}, 7115},
        {7143, kConverters, 7144},
        {7143, {2, 84025}, 7145},
    };
    return table;
}

} // namespace

unsigned CResourceObjectPanel::ChooseTemplate(unsigned baseTemplate, unsigned long applicationId)
{
    if (applicationId == 0) applicationId = StApplicationId::Id();
    // Id 1 asks for the base layouts, which the export dialogs show in every application.
    if (applicationId == 1) return baseTemplate == 7043 ? 7129 : baseTemplate;
    for (const Variant& v : Variants()) {
        if (v.base != baseTemplate) continue;
        if (std::find(v.applications.begin(), v.applications.end(), applicationId) != v.applications.end())
            return v.variant;
    }
    return baseTemplate;
}

CResourceObjectPanel::CResourceObjectPanel(unsigned baseTemplate, unsigned long applicationId, CWnd* parent)
    : CObjectPanel(ChooseTemplate(baseTemplate, applicationId), parent)
{
}
