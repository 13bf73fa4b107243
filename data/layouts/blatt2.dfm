object Blatt2: TBlatt2
  Left = 0
  Top = 0
  Width = 703
  Height = 881
  Caption = 'Gesamtübersicht Blatt 2'
  PixelsPerInch = 96
  TextHeight = 13
  object Lbl1: TLabel
    Left = 0
    Top = 14
    Width = 701
    Height = 22
    Alignment = taLeftJustify
    Caption = 'Einsparungspotentiale und Zeitstudiensystem'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -18
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Shp2: TShape
    Left = 0
    Top = 54
    Width = 703
    Height = 461
    Brush.Style = bsClear
  end
  object Lbl3: TLabel
    Left = 8
    Top = 60
    Width = 685
    Height = 18
    Alignment = taLeftJustify
    Caption = 'Einsparungspotentiale und ihre Begründung'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -14
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lin4: TShape
    Left = 0
    Top = 82
    Width = 703
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl5: TLabel
    Left = 10
    Top = 90
    Width = 419
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Vorbereitung'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lbl6: TLabel
    Left = 470
    Top = 90
    Width = 119
    Height = 16
    Alignment = taRightJustify
    Caption = 'Einsparung'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt7: TEdit
    Left = 596
    Top = 90
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 0
    Tag = 2
    Text = ''
  end
  object Lbl8: TLabel
    Left = 662
    Top = 90
    Width = 29
    Height = 16
    Alignment = taLeftJustify
    Caption = '%'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt9: TEdit
    Left = 20
    Top = 112
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 1
    Tag = 0
    Text = ''
  end
  object Edt10: TEdit
    Left = 20
    Top = 131
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 2
    Tag = 0
    Text = ''
  end
  object Edt11: TEdit
    Left = 20
    Top = 150
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 3
    Tag = 0
    Text = ''
  end
  object Edt12: TEdit
    Left = 20
    Top = 169
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 4
    Tag = 0
    Text = ''
  end
  object Lbl13: TLabel
    Left = 10
    Top = 196
    Width = 419
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Durchführung'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lbl14: TLabel
    Left = 470
    Top = 196
    Width = 119
    Height = 16
    Alignment = taRightJustify
    Caption = 'Einsparung'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt15: TEdit
    Left = 596
    Top = 196
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 5
    Tag = 2
    Text = ''
  end
  object Lbl16: TLabel
    Left = 662
    Top = 196
    Width = 29
    Height = 16
    Alignment = taLeftJustify
    Caption = '%'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt17: TEdit
    Left = 20
    Top = 218
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 6
    Tag = 0
    Text = ''
  end
  object Edt18: TEdit
    Left = 20
    Top = 237
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 7
    Tag = 0
    Text = ''
  end
  object Edt19: TEdit
    Left = 20
    Top = 256
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 8
    Tag = 0
    Text = ''
  end
  object Edt20: TEdit
    Left = 20
    Top = 275
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 9
    Tag = 0
    Text = ''
  end
  object Lbl21: TLabel
    Left = 10
    Top = 302
    Width = 419
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Auswertung'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lbl22: TLabel
    Left = 470
    Top = 302
    Width = 119
    Height = 16
    Alignment = taRightJustify
    Caption = 'Einsparung'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt23: TEdit
    Left = 596
    Top = 302
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 10
    Tag = 2
    Text = ''
  end
  object Lbl24: TLabel
    Left = 662
    Top = 302
    Width = 29
    Height = 16
    Alignment = taLeftJustify
    Caption = '%'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt25: TEdit
    Left = 20
    Top = 324
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 11
    Tag = 0
    Text = ''
  end
  object Edt26: TEdit
    Left = 20
    Top = 343
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 12
    Tag = 0
    Text = ''
  end
  object Edt27: TEdit
    Left = 20
    Top = 362
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 13
    Tag = 0
    Text = ''
  end
  object Edt28: TEdit
    Left = 20
    Top = 381
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 14
    Tag = 0
    Text = ''
  end
  object Lbl29: TLabel
    Left = 10
    Top = 408
    Width = 419
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Reduzierung von Zeitstudien durch Planzeiten'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lbl30: TLabel
    Left = 470
    Top = 408
    Width = 119
    Height = 16
    Alignment = taRightJustify
    Caption = 'Einsparung'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt31: TEdit
    Left = 596
    Top = 408
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 15
    Tag = 2
    Text = ''
  end
  object Lbl32: TLabel
    Left = 662
    Top = 408
    Width = 29
    Height = 16
    Alignment = taLeftJustify
    Caption = '%'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt33: TEdit
    Left = 20
    Top = 430
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 16
    Tag = 0
    Text = ''
  end
  object Edt34: TEdit
    Left = 20
    Top = 449
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 17
    Tag = 0
    Text = ''
  end
  object Edt35: TEdit
    Left = 20
    Top = 468
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 18
    Tag = 0
    Text = ''
  end
  object Edt36: TEdit
    Left = 20
    Top = 487
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 19
    Tag = 0
    Text = ''
  end
  object Shp37: TShape
    Left = 0
    Top = 530
    Width = 346
    Height = 163
    Brush.Style = bsClear
  end
  object Lbl38: TLabel
    Left = 8
    Top = 536
    Width = 328
    Height = 18
    Alignment = taLeftJustify
    Caption = 'Kosten des Zeitstudiensystems'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -14
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lin39: TShape
    Left = 0
    Top = 558
    Width = 346
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl40: TLabel
    Left = 10
    Top = 568
    Width = 209
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Investitionskosten System'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt41: TEdit
    Left = 222
    Top = 568
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 20
    Tag = 2
    Text = ''
  end
  object Lbl42: TLabel
    Left = 288
    Top = 568
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl43: TLabel
    Left = 10
    Top = 592
    Width = 209
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Schulungskosten'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt44: TEdit
    Left = 222
    Top = 592
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 21
    Tag = 2
    Text = ''
  end
  object Lbl45: TLabel
    Left = 288
    Top = 592
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl46: TLabel
    Left = 10
    Top = 616
    Width = 209
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Zusatzkosten (Fahrt, Übernachtung)'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt47: TEdit
    Left = 222
    Top = 616
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 22
    Tag = 2
    Text = ''
  end
  object Lbl48: TLabel
    Left = 288
    Top = 616
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lin49: TShape
    Left = 10
    Top = 636
    Width = 326
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl50: TLabel
    Left = 10
    Top = 640
    Width = 209
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Gesamtkosten'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Edt51: TEdit
    Left = 222
    Top = 640
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 23
    Tag = 2
    Text = ''
  end
  object Lbl52: TLabel
    Left = 288
    Top = 640
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Shp53: TShape
    Left = 357
    Top = 530
    Width = 346
    Height = 163
    Brush.Style = bsClear
  end
  object Lbl54: TLabel
    Left = 365
    Top = 536
    Width = 328
    Height = 18
    Alignment = taLeftJustify
    Caption = 'Vergleich mit manueller Arbeit'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -14
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lin55: TShape
    Left = 357
    Top = 558
    Width = 346
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl56: TLabel
    Left = 367
    Top = 568
    Width = 189
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Amortisationszeit'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Edt57: TEdit
    Left = 559
    Top = 568
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 24
    Tag = 2
    Text = ''
  end
  object Edt58: TEdit
    Left = 625
    Top = 568
    Width = 59
    Height = 12
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 30
    Tag = 0
    Text = ''
  end
  object Lbl59: TLabel
    Left = 367
    Top = 592
    Width = 189
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Einsparung pro Jahr'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt60: TEdit
    Left = 520
    Top = 592
    Width = 98
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 25
    Tag = 2
    Text = ''
  end
  object Lbl61: TLabel
    Left = 625
    Top = 592
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl62: TLabel
    Left = 367
    Top = 616
    Width = 189
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Saldo nach 1 Jahr'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt63: TEdit
    Left = 520
    Top = 616
    Width = 98
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 26
    Tag = 2
    Text = ''
  end
  object Lbl64: TLabel
    Left = 625
    Top = 616
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl65: TLabel
    Left = 367
    Top = 640
    Width = 189
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Saldo nach 2 Jahren'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt66: TEdit
    Left = 520
    Top = 640
    Width = 98
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 27
    Tag = 2
    Text = ''
  end
  object Lbl67: TLabel
    Left = 625
    Top = 640
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl68: TLabel
    Left = 367
    Top = 664
    Width = 189
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Saldo nach 3 Jahren'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt69: TEdit
    Left = 520
    Top = 664
    Width = 98
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 28
    Tag = 2
    Text = ''
  end
  object Lbl70: TLabel
    Left = 625
    Top = 664
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl71: TLabel
    Left = 0
    Top = 708
    Width = 701
    Height = 15
    Alignment = taLeftJustify
    Caption = 'Saldo: Einsparung seit Einführung abzüglich der Gesamtkosten des Systems.'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object PbxBreite72: TPaintBox
    Left = 702
    Top = 0
    Width = 0
    Height = 0
  end
  object PbxHoehe73: TPaintBox
    Left = 0
    Top = 880
    Width = 0
    Height = 0
  end
end
