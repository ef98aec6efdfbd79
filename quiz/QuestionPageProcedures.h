#pragma once

namespace pelmaroos::quiz {

class QuestionPages;

// The event procedures of the nine pages, each a thin entry point onto the routine all pages share.
void Easy1_Form_Load(QuestionPages &pages);
void Easy2_Form_Load(QuestionPages &pages);
void Easy3_Form_Load(QuestionPages &pages);
void Medium1_Form_Load(QuestionPages &pages);
void Medium2_Form_Load(QuestionPages &pages);
void Medium3_Form_Load(QuestionPages &pages);
void Hard1_Form_Load(QuestionPages &pages);
void Hard2_Form_Load(QuestionPages &pages);
void Hard3_Form_Load(QuestionPages &pages);

// Next page.
void Easy1_Image9_Click(QuestionPages &pages);
void Easy2_Image10_Click(QuestionPages &pages);
void Medium1_Image10_Click(QuestionPages &pages);
void Medium2_Image10_Click(QuestionPages &pages);
void Hard1_Image10_Click(QuestionPages &pages);
void Hard2_Image10_Click(QuestionPages &pages);

// Previous page.
void Easy2_Image11_Click(QuestionPages &pages);
void Easy3_Image8_Click(QuestionPages &pages);
void Medium2_Image11_Click(QuestionPages &pages);
void Medium3_Image11_Click(QuestionPages &pages);
void Hard2_Image11_Click(QuestionPages &pages);
void Hard3_Image11_Click(QuestionPages &pages);

// Main page.
void Easy1_Image8_Click(QuestionPages &pages);
void Medium1_Image11_Click(QuestionPages &pages);
void Hard1_Image11_Click(QuestionPages &pages);

// Submit.
void Easy3_Image9_Click(QuestionPages &pages);
void Medium3_Image10_Click(QuestionPages &pages);
void Hard3_Image10_Click(QuestionPages &pages);

// Quit.
void Easy1_Command2_Click(QuestionPages &pages);
void Easy2_Command2_Click(QuestionPages &pages);
void Easy3_Command3_Click(QuestionPages &pages);
void Medium1_Command2_Click(QuestionPages &pages);
void Medium2_Command2_Click(QuestionPages &pages);
void Medium3_Command3_Click(QuestionPages &pages);
void Hard1_Command2_Click(QuestionPages &pages);
void Hard2_Command2_Click(QuestionPages &pages);
void Hard3_Command3_Click(QuestionPages &pages);

} // namespace pelmaroos::quiz
