// The arrival points and the place table.
#include "data/places.h"

#include <array>

namespace vt {
namespace {

struct Arrival {
  int col;
  int row;
  int x;
  int y;
  Facing jumpFacing;
  Facing arriveFacing;
  int shift;
};

constexpr std::array<Arrival, 7> kArrivals = {{
    {1, 2, 81, 115, Facing::Right, Facing::Left, 6},
    {4, 2, 82, 75, Facing::Right, Facing::Left, 7},
    {2, 3, 445, 290, Facing::Up, Facing::Down, 0},
    {3, 3, 172, 135, Facing::Right, Facing::Left, 8},
    {1, 3, 441, 145, Facing::Right, Facing::Left, 6},
    {2, 2, 81, 85, Facing::Right, Facing::Left, 6},
    {3, 3, 351, 265, Facing::Right, Facing::Left, 6},
}};

bool OneOf(int v, int a, int b) { return v == a || v == b; }

}  // namespace

void PlaceHero(WorldState& w, int n, bool arriving) {
  if (n < 1 || n > 7) return;
  const Arrival& a = kArrivals[static_cast<std::size_t>(n - 1)];
  w.ScreenCol = static_cast<std::int16_t>(a.col);
  w.ScreenRow = static_cast<std::int16_t>(a.row);
  w.HeroX = static_cast<std::int16_t>(a.x);
  w.HeroY = static_cast<std::int16_t>(a.y);
  if (arriving) {
    w.HeroFacing = a.arriveFacing;
    w.HeroX = static_cast<std::int16_t>(w.HeroX - a.shift);
  } else {
    w.HeroFacing = a.jumpFacing;
  }
}

std::string_view DistrictName(int district) {
  switch (district) {
    case 1:
    case 8:
      return "Prestigious Quarter";
    case 2:
      return "Penurious Quarter";
    case 3:
      return "Ministers' Living Quarters";
    case 4:
      return "Islamia City University";
    case 5:
      return "Club Nargila";
    case 6:
      return "City Park";
    case 7:
      return "Islamia Oil Inc.";
    default:
      return {};
  }
}

std::vector<PlaceMusic> PlacesAt(int dist, int row, int col) {
  std::vector<PlaceMusic> rows;
  const bool prestigious = OneOf(dist, 1, 8);
  // 1-2: the hidden rooms and Ali Hassan's house, in the open and the sealed quarter.
  if (prestigious && row == 1 && col >= 1 && col <= 3)
    rows.push_back({col == 3 ? "Secret Room" : "Secret Passage", 1, 343});
  if (prestigious && row == 2 && OneOf(col, 2, 3)) rows.push_back({"Ali Hassan's House", 2, 70});
  if (dist == 1) {
    if ((col == 1 && OneOf(row, 4, 5)) || (col == 4 && OneOf(row, 1, 2)))
      rows.push_back(
          {col == 1 ? "GM of Ministry of Health House" : "GM of Ministry of War House", 8, 137});
    if (col == 4 && row == 4) rows.push_back({"Hisham's Boutique", 11, 215});
    if (col == 5 && row == 4) rows.push_back({"Abu-Jasem's Shoe Store", 9, 252});
    if (OneOf(col, 5, 6) && OneOf(row, 1, 2)) rows.push_back({"The Hassani Family", 14, 218});
    if (col == 4 && row == 5) rows.push_back({"Barber Shop", 6, 214});
    if (col == 5 && row == 5) rows.push_back({"Alley", 1, 343});
  }
  if (dist == 3 && col == 2 && OneOf(row, 1, 2))
    rows.push_back({"Minister of Finance House", 13, 355});
  if (dist == 3 && col == 1 && OneOf(row, 1, 2)) rows.push_back({"Minister of War House", 13, 355});
  if (prestigious && OneOf(col, 2, 3) && OneOf(row, 4, 5)) {
    if (dist == 1)
      rows.push_back({"Market", 4, 224});
    else
      rows.push_back({"Closed Market", 5, 132});
  }
  if (dist == 5 && col == 1 && OneOf(row, 1, 2))
    rows.push_back({row == 1 ? "Back Room" : "Bar", 14, 218});
  if (dist == 6) {
    std::string_view caption;
    if (row == 1) caption = "The River";
    if (row == 2 && col == 1) caption = "Picnic Area";
    if (row == 2 && col == 2) caption = "Parking Lot";
    rows.push_back({caption, 12, 185});
  }
  if (dist == 4 && OneOf(row, 1, 2)) {
    std::string_view caption;
    if (row == 2 && col == 2) caption = "Lobby";
    if (row == 1 && col == 2) caption = "Students' Lounge";
    if (row == 2 && col == 3) caption = "Secretaries";
    if (row == 2 && col == 4) caption = "Prof. Tariq Saidi's Office";
    if (row == 2 && col == 1) caption = "Student Laboratories";
    if (row == 1 && col == 3) caption = "Prof. Ahmed Phatami's Office";
    if (row == 1 && col == 1) caption = "Special Research Labs";
    rows.push_back({caption, 15, 410});
  }
  if (dist == 2 && col == 4 && OneOf(row, 3, 4)) rows.push_back({"Hotel Farouk", 8, 137});
  if (dist == 2 && row == 1 && col >= 1 && col <= 5)
    rows.push_back({"Missile Assembly Factory", 7, 293});
  if (dist == 7 && OneOf(row, 1, 2)) {
    std::string_view caption;
    if (col == 1) caption = "Accounting Department";
    if (col == 2 && row == 1) caption = "European Union Department";
    if (col == 3) caption = "Far East Department";
    if (col == 2 && row == 2) caption = "Lobby";
    rows.push_back({caption, 7, 293});
  }
  return rows;
}

PlaceMusic StreetMusic(int district) {
  switch (district) {
    case 1:
    case 3:
    case 4:
    case 5:
    case 7:
      return {"Street", 5, 132};
    case 2:
      return {"Street", 10, 257};
    case 8:
      return {"Street", 3, 146};
    default:
      return {"Street", 0, 0};
  }
}

}  // namespace vt
