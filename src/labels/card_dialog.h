#pragma once
// "Cetak Kartu": the member chosen or all found (a class, searched by its
// category), and the rules printed on the back, kept in "kartu.txt" in the
// settings folder (beside conn.txt). Then the print preview.
#include <QWidget>
#include <vector>

#include "labels/member_cards.h"

namespace zelkor {

class AppContext;

void PrintMemberCards(AppContext& ctx, QWidget* parent, const std::vector<MemberCard>& chosen,
                      const std::vector<MemberCard>& found);

}  // namespace zelkor
