// The story's steps. Multi-line texts break at CR LF.
#include "cinematics/story_steps.h"

namespace vt {
namespace {

using K = StepAction::Kind;

StepAction Title(std::string_view text) { return {K::Title, 0, text, 0, 0}; }
StepAction TitleColor(Color c) { return {K::TitleColor, 0, {}, c, 0}; }
StepAction Picture(int place, std::string_view file) { return {K::Picture, place, file, 0, 0}; }
StepAction NoPicture(int place) { return {K::Picture, place, {}, 0, 0}; }
StepAction HideCentre() { return {K::HidePicture, 0, {}, 0, 0}; }
StepAction Centre(std::string_view file, int liftTwips) {
  return {K::CentrePicture, 0, file, 0, liftTwips};
}
StepAction Caption(int place, std::string_view text) { return {K::Caption, place, text, 0, 0}; }
StepAction CaptionColor(int place, Color c) { return {K::CaptionColor, place, {}, c, 0}; }
StepAction MoveCaption(int twips) { return {K::MoveCaption, 0, {}, 0, twips}; }
StepAction Effect(std::string_view name) { return {K::Effect, 0, name, 0, 0}; }

// The telephone call: each line empties the other speaker's.
Step Left(std::string_view line) { return {Caption(1, line), Caption(2, "")}; }
Step Right(std::string_view line) { return {Caption(2, line), Caption(1, "")}; }
// A line of the operations room: the speaker's name, then what he says.
Step Room(std::string_view lines) { return {Caption(0, lines)}; }

std::vector<Step> MakeIntro() {
  return {
      // 1-4: the saying, the city, the evening news.
      {Effect("BackIntro"), TitleColor(kStoryLightRed),
       Title("\"In the desert, the one who sees the sandstorm first lives longest.\"\r\n"
             "\x97 a saying of the Gulf")},
      {TitleColor(kStoryWhite), Title("Islamia City.")},
      {TitleColor(kStoryWhite),
       Title("Capital of the Republic of Islamia, on the shores of the Gulf.")},
      {TitleColor(kStoryLightYellow),
       Title("The Evening News\r\nISLAMIA NATIONAL TELEVISION\r\n20:00")},
      // 5-11: the broadcast.
      {Title(""), TitleColor(kStoryWhite), Picture(0, "Zorl01.dat"),
       Caption(0, "Good evening. Today our glorious Republic celebrated the Day of Resolve.")},
      {Picture(0, "Zorl02.dat"),
       Caption(0, "Before the President, the army paraded the new Scimitar missile.")},
      {Picture(0, "Zorl04.dat"),
       Caption(0,
               "The President declared: \"Our enemies will learn that the arm of Islamia is "
               "long.\"")},
      {Picture(0, "Zorl05.dat"),
       Caption(0,
               "The Minister of Health opened the University's Special Research Labs, led by "
               "Prof. Ahmed Phatami.")},
      {Picture(0, "Zorl03.dat"),
       Caption(0,
               "Islamia Oil Inc. announces record profits.\r\n\"Fuelling the nation, and its "
               "defence.\"")},
      {Caption(0, "The weather: hot and dry.\r\nAnd now, a word from our sponsor.")},
      {Caption(0,
               "Two thousand kilometres away, an analyst switches off her recorder and picks "
               "up the telephone.")},
      // 12-13: three days later, Tel Aviv.
      {NoPicture(0), Caption(0, ""), Title("Three days later.")},
      {TitleColor(kStoryLightYellow), Title("Tel Aviv.\r\n03:40.")},
      // 14-28: the call.
      {Title(""), TitleColor(kStoryWhite), Effect("PhoneRing"), Picture(1, "Zorl06.dat"),
       Caption(1, "Hello...? Who is this?"), Caption(2, "")},
      {Picture(2, "Zorl07.dat"), Caption(1, ""), Caption(2, "It's Ezer. Wake up, Dan.")},
      Left("Ezer, it's four in the morning. I'm on leave. Remember?"),
      Right("Not any more. Islamia."),
      {Caption(1, "Islamia? I thought that file was closed.")},  // his line stands
      Left("What happened?"),
      Right("Their new missile reaches us.\r\nAnd something worse may ride on it."),
      Left("Worse?"),
      Right("Be at the office at six. Bring your French passport."),
      Left("Michel Darras rides again..."),
      Right("And Dan \x97 don't tell Ruth."),
      Left("I never tell Ruth anything. That's the problem."),
      Right("Six o'clock."),
      Left("Six o'clock."),
      Right("(click)"),
      // 29-39: the operations room.
      {NoPicture(1), NoPicture(2), Caption(1, ""), Caption(2, ""), TitleColor(kStoryLightYellow),
       Title("Headquarters.\r\nOperations room, fourth floor.\r\n06:00.")},
      {TitleColor(kStoryWhite), Title(""), Centre("Zorl08.dat", 1000), MoveCaption(500),
       CaptionColor(0, kStoryLightYellow),
       Caption(0,
               "Present: Ezer Tavori, Head of Operations\r\nDr. Noa Livne, weapons analyst\r\n"
               "Col. Shaul Meron, Air Force liaison\r\nYossi Karmi, Islamia desk\r\n"
               "and Dan Shemer.")},
      {CaptionColor(0, kStoryWhite),
       Caption(0,
               "TAVORI\r\nIslamia has a missile that reaches Haifa. We need to know where it "
               "is built.")},
      Room("KARMI\r\nSomewhere in the Penurious Quarter. A \"textile works\", we think."),
      Room("LIVNE\r\nWorse: their university bought plague strains in Europe. Phatami is no "
           "textile expert."),
      Room("MERON\r\nGive me a target and proof, and the Air Force does the rest. Without proof "
           "the politicians won't let me fly."),
      Room("TAVORI\r\nDan, you go in as Michel Darras, antiques. Ali Hassan keeps a safe room "
           "for us."),
      Room("KARMI\r\nThe kit is already there. Transmit only from that room, and only when you "
           "have something."),
      Room("SHEMER\r\nAnd when I have everything?"),
      Room("TAVORI\r\nThen we get you out. We always get you out."),
      Room("SHEMER\r\nYou said that last time."),
      // 40-44: Islamia City, the secret room.
      {NoPicture(0), Caption(0, ""), Title("Two days later.")},
      {Title(""), Centre("Zorl09.dat", 600), Effect("OpenLib"),
       Caption(0, "Islamia City. In the house of Ali Hassan, carpet merchant, a bookcase turns.")},
      {Caption(0, "A narrow stair leads up to a room that does not exist.")},
      {Caption(0,
               "On the table: a transmitter, a Morse key and a small red lamp. It is "
               "blinking.")},
      {NoPicture(0), Caption(0, ""), TitleColor(kStoryClosingRed),
       Title("Michel Darras has arrived.")},
  };
}

std::vector<Step> MakeEnding() {
  return {
      {TitleColor(kStoryWhite),
       Title("05:10. A taxi leaves a back lane of the sealed Prestigious Quarter.")},
      {Title("In the back sits a captain of the Republican Guard with a briefcase. Three "
             "checkpoints wave him through."),
       Effect("TaxiStart")},
      {Title("Nobody stops a captain.")},
      {Title(""), Effect("TakeOff"), Centre("Zorl10.dat", 300), MoveCaption(250),
       Caption(0,
               "Islamia International Airport, 07:25. The morning flight to Larnaca leaves on "
               "time.")},
      {Caption(0, "In seat 14C a man who has not slept for three days is asleep at last.")},
      {Caption(0, ""), HideCentre(),
       Title("In his briefcase: the plague documents of Prof. Phatami.\r\nIn Tel Aviv: a very "
             "busy morning.")},
      {Title("The blueprints from City Park confirm Dr. Livne's worst fears.")},
      {Title("The Prime Minister approves the last phase of Operation Heron.")},
      {Effect("TickTick"), Caption(0, ""), HideCentre(),
       Title("Two nights later.\r\nIslamia City.")},
      {Effect("SirenBombing"), Title(""), Centre("Zorl11.dat", 650),
       Caption(0,
               "At 02:00 the sirens wail. Bombs fall on Textile Works No. 3 and on the "
               "basement of Islamia Oil. Nothing else is touched.")},
      {Effect("TickTick"), HideCentre(), Caption(0, ""), Title("One week later.\r\nIslamia City.")},
      {Title(""), Centre("Zorl12.dat", 450), Effect("Revolution"),
       Caption(0, "The Penurious Quarter marches on the palace. The army does not shoot.")},
      {Caption(0,
               "President Sadiq leaves the country with two suitcases. The Ministers of War and "
               "Finance share his plane.")},
      {Caption(0, ""), HideCentre(),
       Title("Prof. Tariq Saidi chairs the new Commission of Inquiry. Its first witness is Prof. "
             "Ahmed Phatami.")},
      {Effect("TickTick"), TitleColor(kStoryLightYellow),
       Title("One month later.\r\nTel Aviv.\r\nA ceremony that never took place.")},
      {Effect("Clap"), Title(""), Centre("Zorl13.dat", 400),
       Caption(0, "Dan Shemer receives a decoration that nobody will ever see.")},
      {Caption(0,
               "Among the guests: Ali and Zainab Hassan, flown out through Cyprus \x97 and a taxi "
               "driver who still wants his fare.")},
      {Centre("Zorl14.dat", 400),
       Caption(0, "And Ruth finally gets Dan for a holiday. Without a telephone.")},
      {Effect("Ahh"),
       NoPicture(0),
       Caption(0, ""),
       {K::TitleEnd, 0, {}, kStoryEndRed, 0},
       Title("THE END"),
       Effect("Presents")},
  };
}

}  // namespace

const std::vector<Step>& IntroSteps() {
  static const std::vector<Step> steps = MakeIntro();
  return steps;
}

const std::vector<Step>& EndingSteps() {
  static const std::vector<Step> steps = MakeEnding();
  return steps;
}

}  // namespace vt
