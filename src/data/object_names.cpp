// The names the inventory bar shows for the objects the hero can carry.
#include "data/object_names.h"

#include <array>

namespace vt {
namespace {

struct NamedObject {
  int object;
  std::string_view name;
};

constexpr std::array<NamedObject, 23> kObjectNames{{
    {30, "Plague documents"},
    {32, "An 'Islamia Oil' Employee Pass"},
    {33, "A coin"},
    {38, "The shoes of the Minister of Finance"},
    {39, "An expensive wrist watch"},
    {40, "Lipstick"},
    {41, "An antique bowl"},
    {42, "A key"},
    {43, "'Teen Sheen' magazine"},
    {73, "Concert tickets"},
    {84, "A professor disguise including ID documents"},
    {120, "Ahmed Phatami's University Scientist ID"},
    {121, "A student pass for the Research Labs"},
    {122, "A lockpick"},
    {123, "Docs from the Minister of War to the Minister of Finance"},
    {126, "FAKE Missile Construction Blueprints"},
    {127, "The REAL Missile Construction Blueprints"},
    {128, "The keys to Abed's car"},
    {129, "A fairly ugly wig"},
    {130, "Mrs. Hassani's green dress"},
    {150, "A small blue ball"},
    {162, "A 'Club Nargila' membership card"},
    {172, "A Security Pass for Islamia Oil's secret labs"},
}};

}  // namespace

std::string_view ObjectName(int object) {
  for (const NamedObject& entry : kObjectNames)
    if (entry.object == object) return entry.name;
  return {};
}

}  // namespace vt
