#include "screens/QuestionWording.h"

namespace pelmaroos::screens {

const std::array<PageWording, 9> questionWording = {{
    // Easy1
    {{
        {"What is the first name of the Pelmaroo family's dad?", {"Lionel", "Orvo", "Gusset"}},
        {"What is Gusset Pelmaroo's famous catchphrase?", {"Oh, barnacles!", "It was the seagull!", "Holy mackerel!"}},
        {"What kind of dog is Biscuit, the family pet?", {"A pug", "A sheepdog", "A poodle"}},
        {"Which musical instrument does Wren play in the school band?", {"The trumpet", "The drums", "The tuba"}},
        {"What is the name of the Pelmaroo baby?", {"Pim", "Pip", "Peg"}},
        {"In which windy seaside town do the Pelmaroos live?", {"Brackenport", "Kelpton", "Gullhaven"}},
    }},
    // Easy2
    {{
        {"What is Gusset Pelmaroo's job?", {"Postman", "Ferry captain", "Baker"}},
        {"What colour is Marigold's towering bun of hair?", {"Ginger", "Purple", "Green"}},
        {"What does Tobble ride around Brackenport?", {"A unicycle", "A skateboard", "A scooter"}},
        {"Where does Grandpa Orvo live?", {"In the attic", "In the garden shed", "In The Grape"}},
        {"What is baby Pip always holding?", {"A teddy bear", "A wooden spoon", "A rubber squid"}},
        {"What does Wren dream of becoming one day?", {"An astronaut", "A ferry captain", "A baker"}},
    }},
    // Easy3
    {{
        {"What is the name of Marigold Pelmaroo's bakery?", {"The Golden Crust", "The Crusty Lid", "The Flaky Pan"}},
        {"What does Gusset wear almost every day?", {"A striped jumper", "A tartan kilt", "A yellow raincoat"}},
        {"What is Tobble's catchphrase?", {"Oh, barnacles!", "It was the seagull!", "Not my fault!"}},
        {"What colour is Tobble's spiky hair?", {"Ginger", "Black", "Yellow"}},
        {"What is the name of Pip's rubber squid?", {"Admiral Inky", "Captain Squidge", "Sir Tentacle"}},
        {"What is Biscuit the dog terrified of?", {"The vacuum cleaner", "Thunderstorms", "The doorbell"}},
    }},
    // Medium1
    {{
        {"What is the name of the Fennimores' poodle?", {"Princess", "Duchess", "Countess"}},
        {"Who owns the Gullwing Diner?", {"Mrs. Ladle", "Big Dot", "Cressida Fennimore"}},
        {"Which seagull keeps stealing Gusset's sandwiches?", {"Gordon", "Gilbert", "Gerald"}},
        {"What is the family camper van called?", {"The Plum", "The Grape", "The Aubergine"}},
        {"What is the name of the ferry Gusset captains?", {"Saucy Sue", "Salty Sal", "Jolly Jean"}},
        {"What does Mr. Quibble the postman always do?",
         {"Lose one letter", "Ring the bell twice", "Deliver a day late"}},
    }},
    // Medium2
    {{
        {"What are the first names of the Fennimores next door?",
         {"Cressida and Rupert", "Cressida and Lionel", "Priscilla and Lionel"}},
        {"Who is the principal of Brackenport Elementary?",
         {"Principal Ladle", "Principal Stroud", "Principal Quibble"}},
        {"What is Brackenport's hopeless football team called?", {"The Bloaters", "The Kippers", "The Pilchards"}},
        {"Which of these is one of Grandpa Orvo's inventions?",
         {"The Gravy Cannon", "The Pie-o-Tron", "The Hat-a-Pult"}},
        {"What famously never leaves on time in Brackenport?", {"The school bus", "The Saucy Sue", "The Grape"}},
        {"What is the name of the island across the bay?", {"Gull Island", "Crab Island", "Kelp Island"}},
    }},
    // Medium3
    {{
        {"Who is the mayor of Brackenport?", {"Lionel Fennimore", "Featherstonehaugh", "Big Dot"}},
        {"What does Mrs. Ladle do at Brackenport Elementary?",
         {"She's the lunch lady", "She teaches music", "She drives the bus"}},
        {"What is Marigold's most famous bake?", {"Gooseberry tart", "Rhubarb-and-custard pie", "Plum crumble"}},
        {"What usually happens to Grandpa Orvo's inventions?", {"They explode", "They win prizes", "They get stolen"}},
        {"How many legs does Biscuit, the family dog, have?", {"Two", "Three", "Four"}},
        {"What is the Pelmaroos' home address?",
         {"14 Quillfeather Lane", "41 Quillfeather Lane", "14 Featherquill Road"}},
    }},
    // Hard1
    {{
        {"Who turns out to be the pie thief in 'The Great Pie Heist'?",
         {"Gerald the seagull", "Duchess the poodle", "Tobble"}},
        {"What do the Fennimores build in 'Attack of the Fennimores'?",
         {"A moat", "A giant hedge maze", "A very tall fence"}},
        {"Who gets soaked in gravy in the episode 'Gravy Day'?",
         {"Lionel Fennimore", "The Mayor", "Principal Stroud"}},
        {"What does Pip say at the end of 'Pip's First Word'?", {"Barnacles!", "Nothing at all", "Squidge!"}},
        {"Who is Biscuit's campaign manager in 'Biscuit for Mayor'?", {"Tobble", "Wren", "Grandpa Orvo"}},
        {"How old is Wren Pelmaroo?", {"Ten", "Twelve", "Fourteen"}},
    }},
    // Hard2
    {{
        {"Who is the ghost in 'The Lighthouse Ghost'?", {"Grandpa Orvo", "Gerald in a bedsheet", "Mr. Quibble"}},
        {"What is Grandpa Orvo's Sock-o-Matic supposed to do?",
         {"Pair up odd socks", "Knit woolly socks", "Dry socks in a flash"}},
        {"By how many votes does Biscuit lose in 'Biscuit for Mayor'?", {"Fourteen", "Three", "Just one"}},
        {"Which sandwiches does Gerald steal from Gusset most often?",
         {"Cheese and pickle", "Egg and cress", "Fish paste"}},
        {"What shape does Lionel Fennimore clip his hedge into?", {"A swan", "A lighthouse", "A poodle"}},
        {"In 'Seagull Summer', where does Gerald build his nest?",
         {"On the ferry's funnel", "On The Grape's roof", "On the Old Lighthouse"}},
    }},
    // Hard3
    {{
        {"Where is Wren's tuba found in 'Tuba or Not Tuba'?",
         {"In Grandpa's shed", "Under Brackenport Pier", "In The Grape's roof box"}},
        {"Where does the Saucy Sue run aground in 'Sink the Saucy Sue'?",
         {"Under the Pier", "Off Kelp Island", "By the Old Lighthouse"}},
        {"Where do the Pelmaroos eat in 'A Very Pelmaroo Christmas'?",
         {"At the Gullwing Diner", "In Grandpa's shed", "At the Fennimores'"}},
        {"What colour is Captain Squidge, Pip's rubber squid?", {"Pink", "Green", "Orange"}},
        {"What is the Brackenport Bloaters' team mascot?", {"A giant kipper", "A grumpy crab", "A seagull"}},
        {"How does Mr. Quibble the postman do his rounds?", {"On roller skates", "On a moped", "On a tricycle"}},
    }},
}};

} // namespace pelmaroos::screens
