// This folder draws the speaker portraits (portraits*) and the scene pictures of the
// introduction and the ending (scenes*), from the people of figures/. See README.md here.
//
// Shared pieces of the scene pictures: placing figures, skies, glows, crowds,
// and the extra people who appear only in the introduction and the ending.
#pragma once

#include <cairo.h>

#include "figures/figures.h"

namespace forge::scene {

// Draws a figure with its head centre at (x, y), `s` times the portrait size.
void Place(cairo_t* cr, const fig::Person& p, double x, double y, double s, std::uint32_t seed);
// Same, but runs `pose` in the figure's own frame after the body (arms, props).
template <class Pose>
void PlacePosed(cairo_t* cr, const fig::Person& p, double x, double y, double s, std::uint32_t seed,
                Pose pose) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  cairo_translate(cr, -fig::kHeadX, -fig::kHeadY);
  fig::DrawPerson(cr, p, seed);
  pose(cr);
  cairo_restore(cr);
}

void VerticalGradient(cairo_t* cr, double x, double y, double w, double h, Rgb top, Rgb bottom);
// Three-stop sky: top, middle (at `mid` of the height), horizon.
void Sky(cairo_t* cr, double w, double h, Rgb top, Rgb middle, Rgb horizon, double mid);
// A soft round light that fades to nothing.
void Glow(cairo_t* cr, double x, double y, double r, Rgb c, double alpha);
// A small person of a crowd, head at (x,y) of radius s; arm raised when `raised`.
void CrowdFigure(cairo_t* cr, double x, double y, double s, Rgb shirt, Rgb skin, Rgb hair,
                 bool raised);
// The flag of the Republic, drawn waving in the rectangle.
void IslamiaFlag(cairo_t* cr, double x, double y, double w, double h);
// A telephone receiver centred at (x,y), turned by `angle`, `len` long.
void Receiver(cairo_t* cr, double x, double y, double angle, double len, Rgb c);
// Centred text in the scene face.
void CentredText(cairo_t* cr, double cx, double baseline, const char* text, double size, Rgb c,
                 bool bold);

// People seen only in the scenes.
const fig::Person& President();
const fig::Person& Newsreader();
const fig::Person& Tavori();
const fig::Person& Livne();
const fig::Person& Meron();
const fig::Person& Karmi();
const fig::Person& Chief();
const fig::Person& Official(int which);  // 0..2: suits for tribunes and ribbons

// Skin tones of the crowds.
Rgb CrowdSkin(int i);

// The scene pictures, one per function.
void Studio(cairo_t* cr, double w, double h);          // Zorl01
void Parade(cairo_t* cr, double w, double h);          // Zorl02
void OilTower(cairo_t* cr, double w, double h);        // Zorl03
void Balcony(cairo_t* cr, double w, double h);         // Zorl04
void RibbonCutting(cairo_t* cr, double w, double h);   // Zorl05
void Bedroom(cairo_t* cr, double w, double h);         // Zorl06
void NightOffice(cairo_t* cr, double w, double h);     // Zorl07
void OperationsRoom(cairo_t* cr, double w, double h);  // Zorl08
void Library(cairo_t* cr, double w, double h);         // Zorl09
void Airliner(cairo_t* cr, double w, double h);        // Zorl10
void NightRaid(cairo_t* cr, double w, double h);       // Zorl11
void Uprising(cairo_t* cr, double w, double h);        // Zorl12
void Ceremony(cairo_t* cr, double w, double h);        // Zorl13
void Beach(cairo_t* cr, double w, double h);           // Zorl14

}  // namespace forge::scene
