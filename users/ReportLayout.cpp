#include "users/ReportLayout.h"

#include "platform/Rounding.h"

#include <iterator>
#include <utility>

namespace {

class TReportGrid {
public:
    explicit TReportGrid(const TReportPage& Page) : FPage(Page) {}
    int X(int Units) const { return int(RoundedQuotient(int64_t(Units) * FPage.Width, 2400)); }
    int Y(int Units) const { return int(RoundedQuotient(int64_t(Units) * FPage.Height, 3357)); }
    int H(int Points) const { return ReportFontHeight(Points, FPage.Dpi); }

private:
    TReportPage FPage;
};

} // namespace

int ReportFontHeight(int Points, int Dpi) {
    return int(RoundedQuotient(int64_t(Points) * Dpi, 72));
}

std::vector<TReportItem> LayoutStudyReport(const TReportData& Data, const TReportPage& Page) {
    const TReportGrid G(Page);
    std::vector<TReportItem> Items;
    int PageNo = 0;
    auto Text = [&](int X, int Y, int Points, bool Bold, const std::string& String) {
        TReportItem Item;
        Item.Page = PageNo;
        Item.X = X;
        Item.Y = Y;
        Item.Points = Points;
        Item.Bold = Bold;
        Item.String = String;
        Items.push_back(Item);
    };

    const int D = G.X(250);
    int P = D + G.X(100);
    int Q = P + G.X(400);
    int S = Q + G.X(400) + G.X(400);

    // Title, date and rule.
    int Y = G.X(150);
    Text(D, Y, 20, false, "Clavora");
    Y += G.H(20) + G.Y(10);
    Text(D, Y, 30, true, "Study Report");
    const int DateTop = Y + G.H(30) - G.H(16);
    Text(S, DateTop, 16, true, Data.Date);
    TReportItem Rule;
    Rule.Kind = TReportItem::Rule;
    Rule.Page = PageNo;
    Rule.X = D;
    Rule.X2 = Page.Width - D;
    Rule.Y = DateTop + G.H(16) + G.Y(40);
    Items.push_back(Rule);

    // Progress.
    Y = Rule.Y + G.Y(100);
    Text(D, Y, 16, true, "Progress");
    Y += G.H(16) + G.Y(40);
    const std::pair<const char*, const std::string*> Progress[] = {
        {"Student:", &Data.Student},
        {"Completed:", &Data.Completed},
        {"Time used:", &Data.TimeUsed},
        {"Time left:", &Data.TimeLeft},
    };
    for (size_t I = 0; I < std::size(Progress); ++I) {
        if (I > 0) Y += G.H(12) + G.Y(10);
        Text(P, Y, 12, true, Progress[I].first);
        Text(Q, Y, 12, false, *Progress[I].second);
    }

    // The course's chapters, in the columns of the table.
    Y += G.H(12) + G.Y(100);
    Q = P + G.X(800);
    const int R = Q + G.X(320);
    S = R + G.X(320);
    Text(D, Y, 16, true, "Course: " + Data.CourseName);
    Y += G.H(16) + G.Y(40);
    auto Headings = [&] {
        Text(P, Y, 12, true, "Lesson");
        Text(Q, Y, 12, true, "Speed");
        Text(R, Y, 12, true, "Accuracy");
        Text(S, Y, 12, true, "Efficiency");
    };
    Headings();
    Y += G.H(12) + G.Y(20);
    // The foot of the page keeps the margin the title keeps at its head.
    const int Foot = Page.Height - G.X(150);
    for (size_t I = 0; I < Data.Rows.size(); ++I) {
        if (I > 0) Y += G.H(12) + G.Y(10);
        if (Y + G.H(12) > Foot && Y > G.X(150) + 2 * G.H(12)) {
            ++PageNo;
            Y = G.X(150);
            Headings();
            Y += G.H(12) + G.Y(20);
        }
        const TReportRow& Row = Data.Rows[I];
        Text(P, Y, 12, false, Row.Title);
        // A long chapter name stops short of the speed column.
        Items.back().MaxWidth = Q - P - G.X(20);
        Text(Q, Y, 12, false, Row.Speed);
        Text(R, Y, 12, false, Row.Accuracy);
        Text(S, Y, 12, false, Row.Efficiency);
    }
    return Items;
}
