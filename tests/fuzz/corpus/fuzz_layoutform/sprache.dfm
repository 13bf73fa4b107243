object Blatt: TForm
  object LblA: TLabel
    Left = 1
    Top = 2
    Caption = spr(12)
    Alignment = taRightJustify
  end
  object LblB: TLabel
    Caption = SPKON_3
    Font.Style = [fsItalic, fsStrikeOut]
  end
  object RotB: TRotLabel
    Caption = Sprache(7)
    FontAngle = -900
  end
  object Edt: TEdit
    Tag = 0
    TabOrder = 57
  end
end
