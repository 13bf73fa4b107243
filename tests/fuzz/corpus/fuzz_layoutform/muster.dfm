object Muster: TMuster
  Left = 192
  Top = 107
  Width = 600
  Height = 900
  Caption = 'Muster'
  Font.Charset = DEFAULT_CHARSET
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  PixelsPerInch = 96
  TextHeight = 13
  object ShpRahmen: TShape
    Left = 10
    Top = 20
    Width = 101
    Height = 51
    Brush.Style = bsClear
  end
  object LblTitel: TLabel
    Left = 10
    Top = 20
    Width = 101
    Height = 51
    Alignment = taCenter
    Caption = 'Übersicht für Müller: 5 €'
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = [fsBold, fsUnderline]
    ParentFont = False
  end
  object LblSprache: TLabel
    Left = 10
    Top = 80
    Width = 200
    Height = 13
    Caption = SPR(12)
  end
  object RotSeite: TRotLabel
    Left = 580
    Top = 100
    Width = 17
    Height = 300
    Caption = 'Seite 1'
    Font.Height = -13
    Font.Name = 'Times New Roman'
    Font.Style = [fsItalic]
    FontAngle = 900
  end
  object EdtAnzahl: TEdit
    Left = 300
    Top = 120
    Width = 80
    Height = 17
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = [fsStrikeOut]
    TabOrder = 7
    Tag = 2
    Text = 'EdtAnzahl'
  end
  object PbxGrafik: TPaintBox
    Left = 20
    Top = 400
    Width = 279
    Height = 199
  end
end
